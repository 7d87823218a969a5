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

// A pseudo-terminal named COM7 in a port map folder of its own; the test holds the far end.
class PtyPortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "shortmsg-qtport-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        folder_ = name;
        char device[128] = {};
        ASSERT_EQ(::openpty(&master_, &slave_, device, nullptr, nullptr), 0);
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
        fs::create_symlink(device, folder_ / "COM7");
        device_ = device;
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
    // COM7 at the modem's settings, opened.
    std::unique_ptr<QtSerialPort> OpenCom7() {
        auto port = std::make_unique<QtSerialPort>(folder_);
        port->SetCommPort("7");
        port->SetSettings("19200,N,8,1");
        port->Open();
        return port;
    }

    fs::path folder_;
    std::string device_;
    int master_ = -1;
    int slave_ = -1;
};

TEST_F(PtyPortTest, ThePortNumberOpensTheLinkedDevice) {
    auto opened = OpenCom7();
    ASSERT_TRUE(opened->PortOpen());
    QtSerialPort& port = *opened;
    EXPECT_TRUE(port.PortOpen());
    EXPECT_EQ(port.Device(), fs::canonical(device_).string());
    termios line{};
    ASSERT_EQ(::tcgetattr(slave_, &line), 0);
    EXPECT_EQ(::cfgetospeed(&line), B19200);
}

TEST_F(PtyPortTest, BytesGoOutExactlyAndComeInWhole) {
    auto opened = OpenCom7();
    ASSERT_TRUE(opened->PortOpen());
    QtSerialPort& port = *opened;
    const std::string body = std::string("0011000C914477\x1A\r\n", 18);
    port.Output("AT\r\n");
    port.Output(body);
    EXPECT_EQ(FarEndReads(), "AT\r\n" + body);

    FarEndWrites("\r\nOK\r\n\xE9");
    EXPECT_TRUE(port.WaitForInput(1000));
    Pump(20);
    EXPECT_EQ(port.InBufferCount(), 7);
    EXPECT_EQ(port.Input(), "\r\nOK\r\n\xE9");
    EXPECT_EQ(port.InBufferCount(), 0);
}

TEST_F(PtyPortTest, WaitingForNothingEndsAfterTheTime) {
    auto opened = OpenCom7();
    ASSERT_TRUE(opened->PortOpen());
    QtSerialPort& port = *opened;
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(port.WaitForInput(150));
    EXPECT_GE(elapsed.elapsed(), 140);
    EXPECT_LT(elapsed.elapsed(), 1000);
}

TEST_F(PtyPortTest, DiscardDropsWhatWaits) {
    auto opened = OpenCom7();
    ASSERT_TRUE(opened->PortOpen());
    QtSerialPort& port = *opened;
    FarEndWrites("stale input");
    Pump(50);
    port.DiscardInput();
    EXPECT_EQ(port.InBufferCount(), 0);
    FarEndWrites("OK");
    EXPECT_TRUE(port.WaitForInput(1000));
    EXPECT_EQ(port.Input(), "OK");
}

TEST_F(PtyPortTest, AClosedPortDropsWritesAndReadsNothing) {
    QtSerialPort port(folder_);
    port.SetCommPort("7");
    port.SetSettings("19200,N,8,1");
    port.Output("AT\r\n");  // never opened
    ASSERT_TRUE(port.Open());
    port.Close();
    port.Output("AT\r\n");
    EXPECT_EQ(FarEndReads(), "");
    FarEndWrites("OK");
    EXPECT_EQ(port.InBufferCount(), 0);
    EXPECT_EQ(port.Input(), "");
    EXPECT_FALSE(port.WaitForInput(10));
}

TEST_F(PtyPortTest, ADeviceThatGoesAwayClosesThePort) {
    auto opened = OpenCom7();
    ASSERT_TRUE(opened->PortOpen());
    QtSerialPort& port = *opened;
    ::close(slave_);
    slave_ = -1;
    ::close(master_);
    master_ = -1;
    int errors = 0;
    QObject::connect(&port.QtPort(), &QSerialPort::errorOccurred,
                     [&](QSerialPort::SerialPortError e) {
                         if (e != QSerialPort::NoError) ++errors;
                     });
    Pump(200);
    EXPECT_FALSE(port.PortOpen());
    // Once, not a storm of errors on every pass of the event loop.
    EXPECT_LE(errors, 2);
    EXPECT_EQ(port.InBufferCount(), 0);
    EXPECT_FALSE(port.WaitForInput(10));
    port.Output("AT\r\n");  // dropped
}

struct OpenCase {
    const char* port;
    const char* settings;
    bool opens;
};

void PrintTo(const OpenCase& c, std::ostream* os) {
    *os << "'" << c.port << "' " << c.settings;
}

class PortOpening : public PtyPortTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(PortOpening, OpensOnlyAnExistingPortWithGoodSettings) {
    QtSerialPort port(folder_);
    port.SetCommPort(GetParam().port);
    port.SetSettings(GetParam().settings);
    EXPECT_EQ(port.Open(), GetParam().opens);
    EXPECT_EQ(port.PortOpen(), GetParam().opens);
}

INSTANTIATE_TEST_SUITE_P(
    Ports, PortOpening,
    ::testing::Values(OpenCase{"7", "19200,N,8,1", true}, OpenCase{"7", "4800,N,8,1", true},
                      OpenCase{"7", "9600,N,8,2", true},
                      OpenCase{"7", "19200", false},        // settings refused
                      OpenCase{"7", "fast,N,8,1", false},   //
                      OpenCase{"8", "19200,N,8,1", false},  // no COM8 link, no /dev/ttyS7
                      OpenCase{"0", "19200,N,8,1", false},  // no port 0
                      OpenCase{"", "19200,N,8,1", false},   // nothing named
                      OpenCase{"/dev/shortmsg-none", "19200,N,8,1", false}));

TEST_F(PtyPortTest, ADevicePathOpensAsItStands) {
    QtSerialPort port(folder_);
    port.SetCommPort(device_);
    port.SetSettings("4800,N,8,1");
    ASSERT_TRUE(port.Open());
    port.Output("x");
    EXPECT_EQ(FarEndReads(), "x");
}

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

TEST(QtTimers, ATimerTicksAtItsInterval) {
    QtTimerService timers;
    TimerForm form(timers, 50);
    form.tick.SetEnabled(true);
    Pump(330);
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

TEST(QtTimers, AnIntervalOfZeroNeverFires) {
    QtTimerService timers;
    TimerForm form(timers, 0);
    form.tick.SetEnabled(true);
    Pump(100);
    EXPECT_EQ(form.fired, 0);
}

TEST(QtTimers, AfterTheEndNothingFiresOrStarts) {
    QtTimerService timers;
    TimerForm form(timers, 20);
    form.tick.SetEnabled(true);
    timers.StopAll();
    Pump(100);
    form.tick.SetEnabled(false);
    form.tick.SetEnabled(true);
    Pump(100);
    EXPECT_EQ(form.fired, 0);
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

TEST(QtClockTest, NowIsTheLocalTime) {
    QtClock clock;
    const QDateTime local = QDateTime::currentDateTime();
    const DateTime expected =
        FromCivil({local.date().year(), local.date().month(), local.date().day(),
                   local.time().hour(), local.time().minute(), local.time().second()});
    EXPECT_LE(std::llabs(clock.Now().seconds - expected.seconds), 2);
}

TEST(QtClockTest, TheMillisecondCountMovesOn) {
    QtClock clock;
    const auto before = clock.MonotonicMs();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const auto after = clock.MonotonicMs();
    EXPECT_GE(after - before, 25);
    EXPECT_LT(after - before, 1000);
}

// ---- Message box and program end ----

TEST(QtMessageBoxTest, IsModalWithOkAndNoTitleOfItsOwn) {
    QtMessageBox box;
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
    box.Show("COM\xE9 not available. Change the CommPort property to another port.");
    EXPECT_EQ(text, QString::fromUtf8(
                        "COMé not available. Change the CommPort property to another port."));
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
    Pump(100);
    EXPECT_EQ(form.fired, 1);
    EXPECT_FALSE(late);
}

}  // namespace
}  // namespace shortmsg::testing
