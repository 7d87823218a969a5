// The Qt platform services: the serial port on real pseudo-terminals, the timers, the
// clock, the message box and the end of the program.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <thread>

#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_program_end.h"
#include "platform/qt/qt_serial_port.h"
#include "platform/qt/qt_timer_service.h"
#include "platform/serial_port_list.h"
#include "ui/controls.h"

namespace shortmsg::testing {
namespace {

namespace fs = std::filesystem;

// Runs the event loop for `ms`.
void Pump(int ms) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

// A pseudo-terminal named COM7 in a port map folder of its own, COM7 opened on it at the
// modem's settings; the test holds the far end. `changes` counts the port's change reports.
fs::path NewFolder() {
    std::string name = (fs::temp_directory_path() / "shortmsg-qtport-XXXXXX").string();
    return ::mkdtemp(name.data()) != nullptr ? fs::path(name) : fs::path();
}

class PtyPortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(folder_.empty());
        char device[128] = {};
        ASSERT_EQ(::openpty(&master_, &slave_, device, nullptr, nullptr), 0);
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
        fs::create_symlink(device, folder_ / "COM7");
        device_ = device;
        port_.OnChange([this] { ++changes_; });
        port_.SetCommPort("7");
        port_.SetSettings("19200,N,8,1");
        ASSERT_TRUE(port_.Open());
    }
    void TearDown() override {
        if (master_ >= 0) ::close(master_);
        if (slave_ >= 0) ::close(slave_);
        fs::remove_all(folder_);
    }
    std::string FarEndReads() {
        Pump(50);
        std::string bytes;
        char chunk[256];
        for (ssize_t n; (n = ::read(master_, chunk, sizeof chunk)) > 0;) bytes.append(chunk, n);
        return bytes;
    }
    void FarEndWrites(std::string_view bytes) {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    fs::path folder_ = NewFolder();
    std::string device_;
    int master_ = -1;
    int slave_ = -1;
    QtSerialPort port_{folder_};
    int changes_ = 0;
};

TEST_F(PtyPortTest, ThePortNumberOpensTheLinkedDeviceAtItsSettings) {
    EXPECT_EQ(port_.Device(), fs::canonical(device_).string());
    EXPECT_EQ(changes_, 1);
    termios line{};
    ASSERT_EQ(::tcgetattr(slave_, &line), 0);
    EXPECT_EQ(::cfgetospeed(&line), B19200);
    // The stable name of a device is the entry of the folder that leads to it.
    EXPECT_EQ(StableSerialName(device_, folder_), (folder_ / "COM7").string());
    EXPECT_EQ(StableSerialName("/dev/null", folder_), "");
}

TEST_F(PtyPortTest, BytesGoOutExactlyAndComeInWholeOrAreDropped) {
    const std::string body = std::string("0011000C914477\x1A\r\n", 18);
    port_.Output("AT\r\n");
    port_.Output(body);
    EXPECT_EQ(FarEndReads(), "AT\r\n" + body);

    FarEndWrites("\r\nOK\r\n\xE9");
    EXPECT_TRUE(port_.WaitForInput(1000));
    Pump(20);
    EXPECT_EQ(port_.InBufferCount(), 7);
    EXPECT_EQ(port_.Input(), "\r\nOK\r\n\xE9");
    EXPECT_EQ(port_.InBufferCount(), 0);
    // Discarding drops what waits.
    FarEndWrites("stale input");
    Pump(50);
    port_.DiscardInput();
    EXPECT_EQ(port_.InBufferCount(), 0);
    // Waiting for nothing ends after the time.
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(port_.WaitForInput(150));
    EXPECT_GE(elapsed.elapsed(), 140);
    EXPECT_LT(elapsed.elapsed(), 1000);
    // A closed port writes nothing and reads nothing.
    port_.Close();
    EXPECT_EQ(changes_, 2);
    port_.Output("AT\r\n");
    EXPECT_EQ(FarEndReads(), "");
    FarEndWrites("OK");
    EXPECT_EQ(port_.Input(), "");
    EXPECT_FALSE(port_.WaitForInput(10));
}

TEST_F(PtyPortTest, ADeviceThatGoesAwayClosesThePortOnce) {
    ::close(slave_);
    slave_ = -1;
    ::close(master_);
    master_ = -1;
    int errors = 0;
    QObject::connect(&port_.QtPort(), &QSerialPort::errorOccurred,
                     [&](QSerialPort::SerialPortError e) {
                         if (e != QSerialPort::NoError) ++errors;
                     });
    Pump(200);
    EXPECT_FALSE(port_.PortOpen());
    EXPECT_EQ(changes_, 2);
    // Once, not a storm of errors on every pass of the event loop.
    EXPECT_LE(errors, 2);
    EXPECT_EQ(port_.InBufferCount(), 0);
    port_.Output("AT\r\n");  // dropped
}

// A port that does not open says why, once: the device it tried and the system's reason.
struct OpenCase {
    std::string port;
    const char* settings;
    std::string failure;  // the reason ("Tried <device>: " and the system's); "" when it opens
};

void PrintTo(const OpenCase& c, std::ostream* os) {
    *os << "'" << c.port << "' " << c.settings;
}

class PortOpening : public PtyPortTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(PortOpening, OpensOnlyAnExistingPortWithGoodSettings) {
    port_.Close();  // a device is opened by one port at a time
    QtSerialPort port(folder_);
    const OpenCase& c = GetParam();
    port.SetCommPort(c.port == "<pty>" ? device_ : c.port);
    port.SetSettings(c.settings);
    EXPECT_EQ(port.Open(), c.failure.empty());
    EXPECT_EQ(port.PortOpen(), c.failure.empty());
    const std::string failure = port.TakeOpenFailure();
    // The system's reason follows the device tried.
    const bool tried = c.failure.starts_with("Tried");
    EXPECT_EQ(tried ? failure.substr(0, c.failure.size()) : failure, c.failure);
    if (tried) {
        EXPECT_GT(failure.size(), c.failure.size() + 2) << failure;
    }
    EXPECT_EQ(port.TakeOpenFailure(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Ports, PortOpening,
    ::testing::Values(OpenCase{"7", "19200,N,8,1", ""}, OpenCase{"7", "4800,N,8,1", ""},
                      OpenCase{"7", "9600,N,8,2", ""},
                      OpenCase{"<pty>", "4800,N,8,1", ""},  // a device path as it stands
                      OpenCase{"7", "19200", "Line settings \"19200\" not understood."},
                      OpenCase{"7", "fast,N,8,1", "Line settings \"fast,N,8,1\" not understood."},
                      // No COM8 link, and no /dev/ttyS7.
                      OpenCase{"8", "19200,N,8,1", "Tried /dev/ttyS7: "},
                      OpenCase{"0", "19200,N,8,1", "\"0\" names no serial port."},
                      OpenCase{"", "19200,N,8,1", "\"\" names no serial port."},
                      OpenCase{"/dev/shortmsg-none", "19200,N,8,1", "Tried /dev/shortmsg-none: "}));

// ---- Timers ----

class TimerForm : public Form {
  public:
    explicit TimerForm(TimerService& timers, int interval)
        : Form("TimerForm", ""), tick(*this, "tick", timers, interval, false) {
        tick.OnTimer = [this] { ++fired; };
    }
    Timer tick;
    int fired = 0;
};

// One of 0 ms never fires.
TEST(QtTimers, ATimerTicksAtItsInterval) {
    QtTimerService timers;
    TimerForm form(timers, 50);
    TimerForm never(timers, 0);
    form.tick.SetEnabled(true);
    never.tick.SetEnabled(true);
    Pump(330);
    EXPECT_EQ(never.fired, 0);
    // Six periods; a busy machine may lose one or two, never gain any.
    EXPECT_GE(form.fired, 3);
    EXPECT_LE(form.fired, 6);
    form.tick.SetEnabled(false);
    const int stopped = form.fired;
    Pump(150);
    EXPECT_EQ(form.fired, stopped);
}

TEST(QtTimers, RestartingStartsTheCountAgain) {
    QtTimerService timers;
    TimerForm form(timers, 400);
    form.tick.SetEnabled(true);
    for (int i = 0; i < 6; ++i) {
        Pump(50);
        form.tick.SetInterval(400);  // writing the interval of a running timer restarts it
    }
    EXPECT_EQ(form.fired, 0);  // 300 ms in all, but never 400 since the last restart
    Pump(600);
    EXPECT_GE(form.fired, 1);
}

TEST(QtTimers, ATimerMayStopItselfInItsTick) {
    QtTimerService timers;
    TimerForm form(timers, 20);
    form.tick.OnTimer = [&form] {
        ++form.fired;
        form.tick.SetEnabled(false);
    };
    form.tick.SetEnabled(true);
    Pump(150);
    EXPECT_EQ(form.fired, 1);
}

// ---- Clock ----

TEST(QtClockTest, NowIsTheLocalTimeAndTheMillisecondCountMovesOn) {
    QtClock clock;
    const QDateTime local = QDateTime::currentDateTime();
    const DateTime expected =
        FromCivil({local.date().year(), local.date().month(), local.date().day(),
                   local.time().hour(), local.time().minute(), local.time().second()});
    EXPECT_LE(std::llabs(clock.Now().seconds - expected.seconds), 2);
    const auto before = clock.MonotonicMs();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const auto after = clock.MonotonicMs();
    EXPECT_GE(after - before, 25);
    EXPECT_LT(after - before, 1000);
}

// ---- Message box and program end ----

// The box adds the reason a port did not open under the terminal's own text.
TEST(QtMessageBoxTest, IsModalWithOkAndNoTitleOfItsOwn) {
    QtMessageBox box([] { return std::string("Tried /dev/ttyS9: Permission denied"); });
    QString text;
    QString title;
    QMessageBox::StandardButtons buttons;
    bool modal = false;
    QTimer::singleShot(50, [&] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        text = shown->text();
        title = shown->windowTitle();
        buttons = shown->standardButtons();
        modal = shown->isModal();
        shown->button(QMessageBox::Ok)->click();
    });
    // Should the box not be found, it is closed anyway, so that the test cannot hang.
    QTimer::singleShot(3000, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    box.Show("COM\xC3\xA9 not available. Change the CommPort property to another port.");
    EXPECT_EQ(text, QString::fromUtf8("COMé not available. Change the CommPort property to another "
                                      "port.\n\nTried /dev/ttyS9: Permission denied"));
    EXPECT_TRUE(title.isEmpty());
    EXPECT_EQ(buttons, QMessageBox::Ok);
    EXPECT_TRUE(modal);
}

TEST(QtProgramEndTest, EndsTheEventLoopAndNothingRunsAfter) {
    QtTimerService timers;
    QtProgramEnd end(timers);
    TimerForm form(timers, 30);
    QWidget window;
    window.show();
    form.tick.OnTimer = [&] {
        ++form.fired;
        end.End();
    };
    form.tick.SetEnabled(true);
    bool late = false;
    QTimer::singleShot(2000, [&] { late = true; });
    QElapsedTimer elapsed;
    elapsed.start();
    QApplication::exec();
    EXPECT_LT(elapsed.elapsed(), 1500);
    EXPECT_TRUE(end.Ended());
    EXPECT_EQ(form.fired, 1);
    EXPECT_FALSE(window.isVisible());
    form.tick.SetEnabled(false);  // nothing starts again either
    form.tick.SetEnabled(true);
    Pump(100);
    EXPECT_EQ(form.fired, 1);
    EXPECT_FALSE(late);
}

}  // namespace
}  // namespace shortmsg::testing
