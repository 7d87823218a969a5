// The terminal core with the real Qt services (QSerialPort through the port map, QTimer, the
// real clock) against the simulator on pseudo-terminals, the operator sending through the
// main window's controls while the modem falls silent, or while the simulator is stopped
// and started again. Every message ends confirmed or reported not sent, and once the
// modem is back a later message is confirmed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

#include "link/messages.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_serial_port.h"
#include "platform/qt/qt_timer_service.h"
#include "platform/testing/service_doubles.h"
#include "ui/terminal.h"

namespace shortmsg::testing {
namespace {

enum class Outcome { Confirmed, ReportedNotSent, Neither };

class Recovery : public ::testing::Test, public FormObserver {
  protected:
    ~Recovery() override {
        simulator_.terminate();
        simulator_.waitForFinished();
    }

    // The simulator on the port map folder; `silence` as its --silence option ("" for none).
    void StartSimulator(const QString& silence = {}) {
        QStringList arguments = {"--ports", ports_, "--first", "1000"};
        if (!silence.isEmpty()) arguments << "--silence" << silence;
        simulator_.start(SHORTMSG_MODEMSIM, arguments);
        ASSERT_TRUE(Until([&] { return QFile::exists(ports_ + "/COM1"); }, 10));
        since_.start();
    }
    void StopSimulator() {
        simulator_.terminate();
        ASSERT_TRUE(simulator_.waitForFinished(5000));
        simulatorLog_ += simulator_.readAllStandardOutput().toStdString();
    }
    // The terminal started, its modem initialised (the phone book read).
    void StartTerminal() {
        terminal_.Start();
        ASSERT_TRUE(Until([&] { return terminal_.Sms().PhoneBook.ListCount() == 3; }, 10));
    }

    // Runs the event loop until `done` or `seconds` have passed.
    bool Until(const std::function<bool()>& done, int seconds) {
        QElapsedTimer elapsed;
        elapsed.start();
        while (!done() && elapsed.elapsed() < seconds * 1000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return done();
    }
    void WaitUntilSimulatorSecond(int second) {
        Until([&] { return since_.elapsed() >= second * 1000; }, second + 1);
    }

    // The operator types `text` and presses Send; the number of the message queued.
    int Press(const std::string& text) {
        SMS& sms = terminal_.Sms();
        sms.SendToAddress.Type("+447700900123");
        sms.SMinputWindow.Type(text);
        errors_.clear();
        confirmed_.clear();
        sms.SendButton.Press();
        return sms.Link().Messages().Opened();
    }
    // How message `message` holding `text` ended within `seconds`.
    Outcome Await(int message, const std::string& text, int seconds) {
        const Outbox& outbox = terminal_.Sms().Link().Messages();
        if (!Until([&] { return message > 0 && !outbox.Pending(message); }, seconds)) {
            return Outcome::Neither;
        }
        for (const std::string& error : errors_) {
            if (error.find("not sent") != std::string::npos) return Outcome::ReportedNotSent;
        }
        return confirmed_ == std::string(texts::kMessageSentPrefix) + text ? Outcome::Confirmed
                                                                           : Outcome::Neither;
    }
    Outcome Send(const std::string& text, int seconds) { return Await(Press(text), text, seconds); }
    // Whether the simulated modem took a message body holding `text`.
    bool ModemReceived(const std::string& text) {
        simulatorLog_ += simulator_.readAllStandardOutput().toStdString();
        return simulatorLog_.find("(message \"" + text + "\")") != std::string::npos;
    }

    void ControlChanged(const Control& c, Property p, std::string_view, int) override {
        const auto* box = dynamic_cast<const TextBox*>(&c);
        if (box == nullptr || p != Property::Text) return;
        if (c.Name() == "ErrorMessageWindow") errors_.push_back(box->Text());
        if (c.Name() == "SMinputWindow" && box->Text().starts_with(texts::kMessageSentPrefix)) {
            confirmed_ = box->Text();
        }
    }
    void FormVisibilityChanged(const Form&) override {}

    QTemporaryDir dir_;
    QString ports_ = dir_.path() + "/ports";
    QProcess simulator_;
    QElapsedTimer since_;  // since the simulator started
    std::string simulatorLog_;
    std::vector<std::string> errors_;
    std::string confirmed_;
    QtTimerService timers_;
    QtClock clock_;
    QtSerialPort modem_{ports_.toStdString()}, gps_{ports_.toStdString()};
    RecordingMessageBox box_;
    RecordingProgramEnd end_;
    DiscardingFiles files_;
    Terminal terminal_{Services{modem_, gps_, timers_, clock_, box_, end_, files_}, this};
};

TEST_F(Recovery, AModemSilentForThirtySeconds) {
    StartSimulator("5,30");
    StartTerminal();
    WaitUntilSimulatorSecond(6);
    const Outcome outcome = Send("Sent into the silence", 60);
    EXPECT_NE(outcome, Outcome::Neither);
    if (outcome == Outcome::Confirmed) {
        EXPECT_TRUE(ModemReceived("Sent into the silence"));
    }
    WaitUntilSimulatorSecond(36);
    EXPECT_EQ(Send("After the silence", 40), Outcome::Confirmed);
    EXPECT_TRUE(ModemReceived("After the silence"));
}

TEST_F(Recovery, ASimulatorStoppedAndStartedAgain) {
    StartSimulator();
    StartTerminal();
    StopSimulator();
    ASSERT_TRUE(Until([&] { return !modem_.PortOpen(); }, 5)) << "the lost port stayed open";
    const int waiting = Press("Waiting for the modem");
    Until([] { return false; }, 2);
    StartSimulator();
    const Outcome outcome = Await(waiting, "Waiting for the modem", 40);
    EXPECT_NE(outcome, Outcome::Neither);
    if (outcome == Outcome::Confirmed) {
        EXPECT_TRUE(ModemReceived("Waiting for the modem"));
    }
    EXPECT_EQ(Send("After the restart", 30), Outcome::Confirmed);
    EXPECT_TRUE(ModemReceived("After the restart"));
}

}  // namespace
}  // namespace shortmsg::testing

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
