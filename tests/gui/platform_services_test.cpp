// The Qt platform services: the serial port on real pseudo-terminals, the timers, the
// clock, the message box and the end of the program.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <utility>

#include "platform/date_time.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_program_end.h"
#include "platform/qt/qt_serial_port.h"
#include "platform/qt/qt_timer_service.h"
#include "platform/serial_port_list.h"

namespace shortmsg::testing {
namespace {

namespace fs = std::filesystem;

// Runs the event loop for `ms`.
void Pump(int ms) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

// A pseudo-terminal linked as COM7 in a port map folder of its own, and COM7 opened on it
// at the modem's settings; the test holds the far end. `changes_` counts change reports.
class PtyPortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char device[128] = {};
        ASSERT_EQ(::openpty(&master_, &slave_, device, nullptr, nullptr), 0);
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
        device_ = device;
        fs::create_symlink(device_, folder_ / "COM7");
        port_.OnChange([this] { ++changes_; });
        port_.SetCommPort("7");
        port_.SetSettings("19200,N,8,1");
        ASSERT_TRUE(port_.Open());
    }
    // Either end may be closed already (-1).
    void TearDown() override {
        for (int fd : {master_, slave_}) ::close(fd);
    }
    std::string FarEndReads() {
        Pump(50);
        std::string bytes;
        char chunk[256];
        for (ssize_t n; (n = ::read(master_, chunk, sizeof chunk)) > 0;) bytes.append(chunk, n);
        return bytes;
    }

    QTemporaryDir dir_;
    fs::path folder_ = dir_.path().toStdString();
    std::string device_;
    int master_ = -1;
    int slave_ = -1;
    QtSerialPort port_{folder_};
    int changes_ = 0;
};

// The port number opens the device its link leads to, at the port's settings; bytes go out
// exactly and come in whole; discarding drops what waits, and waiting for nothing ends
// after its time. A closed port opens again; a device that goes away closes it once, not
// with a storm of errors on every pass of the event loop, and a closed port carries nothing.
TEST_F(PtyPortTest, CarriesBytesExactlyUntilItsDeviceGoesAway) {
    termios line{};
    ASSERT_EQ(::tcgetattr(slave_, &line), 0);
    EXPECT_EQ(::cfgetospeed(&line), B19200);
    // The stable name of a device is the entry of the folder that leads to it.
    EXPECT_EQ(StableSerialName(device_, folder_), (folder_ / "COM7").string());
    EXPECT_EQ(StableSerialName("/dev/null", folder_), "");

    const std::string bytes = std::string("AT\r\n0011000C914477\x1A\r\n", 22);  // and a NUL
    port_.Output(bytes);
    EXPECT_EQ(FarEndReads(), bytes);
    ASSERT_EQ(::write(master_, "\r\nOK\r\n\xE9", 7), 7);
    EXPECT_TRUE(port_.WaitForInput(1000));
    Pump(20);
    EXPECT_EQ(port_.InBufferCount(), 7);
    EXPECT_EQ(port_.Input(), "\r\nOK\r\n\xE9");
    EXPECT_EQ(port_.InBufferCount(), 0);
    ASSERT_EQ(::write(master_, "stale input", 11), 11);
    Pump(50);
    port_.DiscardInput();
    EXPECT_EQ(port_.InBufferCount(), 0);
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(port_.WaitForInput(150));
    EXPECT_GE(elapsed.elapsed(), 140);

    port_.Close();
    ASSERT_TRUE(port_.Open());
    EXPECT_EQ(changes_, 3);  // each open and close reported
    int errors = 0;
    QObject::connect(&port_.QtPort(), &QSerialPort::errorOccurred,
                     [&](QSerialPort::SerialPortError e) { errors += e != QSerialPort::NoError; });
    ::close(std::exchange(slave_, -1));
    ::close(std::exchange(master_, -1));
    Pump(200);
    EXPECT_FALSE(port_.PortOpen());
    EXPECT_EQ(changes_, 4);
    EXPECT_LE(errors, 2);
    EXPECT_EQ(port_.InBufferCount(), 0);
    EXPECT_EQ(port_.Input(), "");
    port_.Output("AT\r\n");  // dropped
}

// A port opens only on a device that is there, at settings it understands; one that does
// not open says why, once: what names no port, the settings, or the device tried and the
// system's reason after it.
TEST_F(PtyPortTest, OpensOnlyAnExistingPortWithGoodSettingsAndSaysWhyNot) {
    port_.Close();  // a device is opened by one port at a time
    const struct {
        std::string port;
        const char* settings;
        std::string failure;  // "" when it opens; "Tried <device>: " + the system's reason
    } cases[] = {{"7", "9600,N,8,2", ""},
                 {device_, "4800,N,8,1", ""},  // a device path as it stands
                 {"7", "19200", "Line settings \"19200\" not understood."},
                 {"0", "19200,N,8,1", "\"0\" names no serial port."},
                 {"8", "19200,N,8,1", "Tried /dev/ttyS7: "},  // no COM8 link, no /dev/ttyS7
                 {"/dev/shortmsg-none", "19200,N,8,1", "Tried /dev/shortmsg-none: "}};
    for (const auto& c : cases) {
        QtSerialPort port(folder_);
        port.SetCommPort(c.port);
        port.SetSettings(c.settings);
        EXPECT_EQ(port.Open(), c.failure.empty()) << c.port << " " << c.settings;
        EXPECT_EQ(port.PortOpen(), c.failure.empty()) << c.port;
        const std::string failure = port.TakeOpenFailure();
        const bool tried = c.failure.starts_with("Tried");  // the system's reason follows
        EXPECT_EQ(tried ? failure.substr(0, c.failure.size()) : failure, c.failure);
        EXPECT_TRUE(!tried || failure.size() > c.failure.size() + 2) << failure;
        EXPECT_EQ(port.TakeOpenFailure(), "") << c.port;
    }
}

// A timer ticks at its interval until it is stopped, one of 0 ms never; a tick may stop its
// own timer; starting a running timer again starts its count afresh. The program's end
// stops the event loop at once, hides the windows, and no timer runs after it.
TEST(QtTimersAndEnd, TimersTickAtTheirIntervalUntilStoppedOrTheEnd) {
    QtTimerService timers;
    QtProgramEnd end(timers);
    QWidget window;
    window.show();
    QtClock clock;  // its millisecond count measures the waits
    auto start = clock.MonotonicMs();
    int every50 = 0, never = 0, once = 0, restarted = 0, ender = 0;
    timers.Start(&every50, 50, [&] { ++every50; });
    timers.Start(&never, 0, [&] { ++never; });
    timers.Start(&once, 20, [&] {
        ++once;
        timers.Stop(&once);
    });
    for (int i = 0; i < 6; ++i) {
        timers.Start(&restarted, 400, [&] { ++restarted; });
        Pump(55);
    }
    EXPECT_EQ(never, 0);
    EXPECT_EQ(once, 1);
    EXPECT_EQ(restarted, 0);  // 330 ms in all, but never 400 since the last start
    // A tick each 50 ms gone by, give or take the 5% of a coarse timer; a busy machine may
    // lose one or two, never gain any.
    const auto pumped = clock.MonotonicMs() - start;
    EXPECT_TRUE(every50 >= 3 && every50 <= pumped / 47) << every50 << " in " << pumped << " ms";
    timers.Stop(&every50);
    const int stopped = every50;
    const auto endIt = [&] {
        ++ender;
        end.End();
    };
    timers.Start(&ender, 600, endIt);
    start = clock.MonotonicMs();
    QApplication::exec();
    EXPECT_GE(clock.MonotonicMs() - start, 550);
    EXPECT_LT(clock.MonotonicMs() - start, 1500);
    EXPECT_EQ(every50, stopped);
    EXPECT_GE(restarted, 1);
    EXPECT_TRUE(end.Ended());
    EXPECT_FALSE(window.isVisible());
    timers.Start(&ender, 30, endIt);  // nothing starts again either
    Pump(100);
    EXPECT_EQ(ender, 1);
}

TEST(QtClockTest, NowIsTheLocalTime) {
    const QDateTime local = QDateTime::currentDateTime();
    const QDate d = local.date();
    const QTime t = local.time();
    const DateTime expected =
        FromCivil({d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()});
    EXPECT_LE(std::llabs(QtClock().Now().seconds - expected.seconds), 2);
}

// The box is modal, with OK and no title of its own; the reason a port did not open comes
// under the terminal's own text.
TEST(QtMessageBoxTest, IsModalWithOkAndAddsTheReason) {
    QtMessageBox box([] { return std::string("Tried /dev/ttyS9: Permission denied"); });
    QStringList seen;
    QTimer::singleShot(50, [&] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        seen << shown->text() << shown->windowTitle();
        EXPECT_EQ(shown->standardButtons(), QMessageBox::Ok);
        shown->done(QMessageBox::Ok);
    });  // a box not found stays up until CTest's time-out ends the test
    box.Show("COM\xC3\xA9 not available.");
    const QString text =
        QString::fromUtf8("COMé not available.\n\nTried /dev/ttyS9: Permission denied");
    EXPECT_EQ(seen, QStringList({text, QString()}));  // the text, and no title
}

}  // namespace
}  // namespace shortmsg::testing
