// The whole terminal through its windows: what the operator's keyboard, mouse and screen
// reader reach, that a change the program makes never comes back to the model as the
// operator's input, and the program's own parts: the settings kept from one run to the
// next and the modem log. (The command line is tried on the program itself:
// tests/gui/CMakeLists.txt.)
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <tuple>

#include "gui_rig.h"
#include "ui/qt/shape_binding.h"

namespace shortmsg::testing {
namespace {

namespace fs = std::filesystem;

// Typing into the port box alone changes no port, a click into it does; a system port
// picked from the list goes into the box (its stable name where it has one) as typed and
// clicked. "Back to Main" (or Escape) opens what the box holds, and so does closing the
// options window; closing the main window ends the program.
TEST(Ports, AClickOrAPickFromTheSystemListPutsThePortBoxToUse) {
    GuiRig rig;
    rig.portList = {{"/dev/ttyUSB0", "FT232R USB UART", "FTDI", "/dev/serial/by-id/usb-FTDI-p0"},
                    {"/dev/ttyS0", "", "", ""}};
    rig.Sms().SerialPortSettings.Press();
    auto* port = rig.Widget<QLineEdit>("RadioSerialPortNumber");
    port->setFocus();
    QTest::keyClick(port, Qt::Key_Backspace);
    QTest::keyClicks(port, "4");
    EXPECT_FALSE(rig.Options().SerialPortNumberChanged);
    QTest::mouseClick(port, Qt::LeftButton);
    rig.OptionsWindow().close();
    EXPECT_EQ(rig.modem.CommPort(), "4");

    rig.Sms().SerialPortSettings.Press();
    auto* list = rig.OptionsWindow().findChild<QComboBox*>("SystemSerialPorts");
    list->showPopup();  // the list is read when it is opened
    list->hidePopup();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), "ttyUSB0 - FT232R USB UART, FTDI (/dev/serial/by-id/usb-FTDI-p0)");
    EXPECT_EQ(list->itemText(1), "ttyS0");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(rig.Options().RadioSerialPortNumber.Text(), "/dev/serial/by-id/usb-FTDI-p0");
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(rig.Options().RadioSerialPortNumber.Text(), "/dev/ttyS0");
    rig.OptionsWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&rig.OptionsWindow()));
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(rig.OptionsWindow().isVisible());
    EXPECT_EQ(rig.modem.CommPort(), "/dev/ttyS0");
    rig.MainWindow().close();
    EXPECT_TRUE(rig.end.ended);
}

// A check box answers a click, Space and a screen reader's toggle action alike, once for
// each change: the terminal opens the GPS port and closes it again.
TEST(CheckBoxes, GpsEnableAnswersEveryWayOfTogglingItOnceEachTime) {
    const std::pair<const char*, std::function<void(QCheckBox*)>> ways[] = {
        {"click", [](QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton); }},
        {"Space", [](QCheckBox* box) { QTest::keyClick(box, Qt::Key_Space); }},
        {"toggle action", [](QCheckBox* box) {
             QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(
                 QAccessibleActionInterface::toggleAction());
         }}};
    for (const auto& [way, toggle] : ways) {
        GuiRig rig;
        rig.Sms().SerialPortSettings.Press();
        auto* box = rig.Widget<QCheckBox>("EnableGPS");
        const auto state = [&] {
            return std::tuple(rig.Options().EnableGPS.Checked(), box->isChecked(),
                              rig.gps.PortOpen());
        };
        toggle(box);
        EXPECT_EQ(state(), std::tuple(true, true, true)) << way;
        toggle(box);
        EXPECT_EQ(state(), std::tuple(false, false, false)) << way;
    }
}

// A change the program makes raises the model's own event once and never comes back as the
// operator's typing or pick; adding the first item to a list moves the widget's current
// item, and the model's text is put back over it.
TEST(NoEcho, AProgramChangeRaisesOnlyTheModelsOwnEvent) {
    GuiRig rig;
    SMS& sms = rig.Sms();
    std::map<std::string, int> events;
    sms.SMinputWindow.OnChange = [&] { ++events["area change"]; };
    sms.PhoneBook.OnChange = [&] { ++events["combo change"]; };
    sms.PhoneBook.OnClick = [&] { ++events["combo click"]; };
    sms.SMinputWindow.SetText("two\r\nlines");
    for (const char* name : {"one", "two", "three"}) sms.PhoneBook.AddItem(name);
    sms.PhoneBook.RemoveItem(0);
    QApplication::processEvents();
    EXPECT_EQ(events, (std::map<std::string, int>{{"area change", 1}}));
    EXPECT_EQ(rig.Widget<QComboBox>("PhoneBook")->currentText(), "PhoneBook");
}

// Tab goes through the main window in reading order and round again. A screen reader names
// the key controls, and the lamps, reached by Tab too, say their state in words.
TEST(Keyboard, TabGoesThroughTheMainWindowInReadingOrderAndEveryStopIsNamed) {
    GuiRig rig;
    for (const auto& [control, name] : {std::pair{"SendToAddress", "Send to"},
                                        {"SMinputWindow", "Message text"},
                                        {"MTDisplayWindow", "Received message"},
                                        {"MO_Supported", "MO Ready"}}) {
        EXPECT_EQ(rig.Widget<QWidget>(control)->accessibleName(), name);
    }
    auto* lamp = rig.Widget<qtui::LampWidget>("MO_Supported");
    EXPECT_EQ(lamp->accessibleDescription(), "MO Ready: no");
    rig.Sms().MO_Supported.SetFillColor(kGreen);
    EXPECT_EQ(lamp->accessibleDescription(), "MO Ready: yes");
    EXPECT_EQ(lamp->toolTip(), "MO Ready: yes");
    rig.MainWindow().activateWindow();  // in front of the operator
    ASSERT_TRUE(QTest::qWaitForWindowActive(&rig.MainWindow()));
    QStringList order;
    for (int i = 0; i < 20; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab)) {
        const QWidget* widget = QApplication::focusWidget();
        order << (widget != nullptr ? widget->objectName() : QStringLiteral("<none>"));
    }
    EXPECT_EQ(order.join(' '),
              "SendToAddress PhoneBook QuickSMS_Combo1 SMinputWindow TxMessageByteCount "
              "SendButton ClearButton SerialPortSettings QuitButton MTDisplayWindow FromAddress "
              "ShortMessageTimeStamp ReadSMSMemory1Index NumberOfMessages EraseButton NextButton "
              "DistanceMovedDisplay MO_Supported MT_Supported SendToAddress");
}

// Ctrl+Return with nothing typed: the error is announced. Then a number, two lines of text
// in any script, Ctrl+Return: the message goes out with its line break as CR LF and its
// text as typed, and the confirmation is announced.
TEST(Keyboard, AMessageGoesOutFromTheKeyboardAlone) {
    GuiRig rig;
    for (int i = 0; i < 8; ++i, rig.Run(200)) rig.modem.Arrive("\r\nOK\r\n");  // start-up
    rig.MainWindow().activateWindow();  // in front of the operator
    ASSERT_TRUE(QTest::qWaitForWindowActive(&rig.MainWindow()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
    rig.Run(600);  // shown at the next blink
    const QString error = QString::fromStdString(rig.Sms().ErrorMessageWindow.Text());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(rig.MainWindow().StatusBar()->currentMessage(), error);
    QTest::keyClicks(QApplication::focusWidget(), "+447700900123");
    for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "hel");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    // Characters the test keyboard has no key for (QTest::keyClicks knows ASCII only).
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                        QString::fromUtf8("lo é€Я👋"), {});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
    rig.Run(200);
    EXPECT_NE(rig.written.find("AT+CMGS=41\r\n"), std::string::npos) << rig.written;
    rig.modem.Arrive("> ");
    rig.Run(200);
    EXPECT_NE(rig.written.find("0011000C914477000910320008AA1A00680065006C000D000A006C006F002000E9"
                               "20AC042FD83DDC4B\x1A"),
              std::string::npos);
    rig.modem.Arrive("\r\n+CMGS: 5\r\n\r\nOK\r\n");
    rig.Run(200);
    const QString sent = QString::fromUtf8("Message sent: hel lo é€Я👋");
    EXPECT_EQ(rig.MainWindow().StatusBar()->currentMessage(), sent);
    EXPECT_EQ(rig.Widget<QWidget>("SMinputWindow")->accessibleDescription(), sent);
}

// The operator changes every kept setting and moves the options window; the next start
// finds them so, with their handlers run (the port opened, the input box's length, the GPS
// receiver on). --reset-settings starts from the defaults, as with nothing saved.
TEST(Settings, WhatTheOperatorSetsIsThereAtTheNextStartUntilReset) {
    QTemporaryDir folder;
    const std::pair<const char*, bool> boxes[] = {// each box and its state once clicked
                                                  {"UseSCAinPhone", false}, {"RegisteredSM", true},
                                                  {"SBM_Enabled", true},    {"EnableGPS", true},
                                                  {"StoreRxGPS", true},     {"ModemLog", true}};
    {
        GuiRig first(folder.path());
        first.Sms().SerialPortSettings.Press();
        first.Widget<QLineEdit>("RadioSerialPortNumber")->selectAll();
        QTest::keyClicks(first.Widget<QLineEdit>("RadioSerialPortNumber"), "5");
        first.Widget<QLineEdit>("ServiceCenterAddress")->selectAll();
        QTest::keyClicks(first.Widget<QLineEdit>("ServiceCenterAddress"), "447700900000");
        for (const auto& [box, _] : boxes) {
            QTest::mouseClick(first.Widget<QCheckBox>(box), Qt::LeftButton);
        }
        first.OptionsWindow().move(123, 45);
    }
    GuiRig second(folder.path());
    EXPECT_EQ(second.modem.CommPort(), "5");
    EXPECT_EQ(second.Options().ServiceCenterAddress.Text(), "447700900000");
    EXPECT_EQ(second.Sms().SMinputWindow.MaxLength(), 70);
    EXPECT_TRUE(second.gps.PortOpen());
    EXPECT_EQ(second.OptionsWindow().pos(), QPoint(123, 45));
    GuiRig reset(folder.path(), true);
    EXPECT_EQ(reset.written, "AT\r\n");
    EXPECT_EQ(reset.modem.CommPort(), "1");
    EXPECT_EQ(reset.Options().ServiceCenterAddress.Text(), "881662900005");
    EXPECT_FALSE(reset.gps.PortOpen());
    for (const auto& [box, clicked] : boxes) {
        EXPECT_EQ(dynamic_cast<CheckBox*>(second.Options().Find(box))->Checked(), clicked) << box;
        EXPECT_EQ(dynamic_cast<CheckBox*>(reset.Options().Find(box))->Checked(), !clicked) << box;
    }
}

// The log is off until "Modem Log" is checked; then every read and write is a line of the
// day's file. The first line of a day removes the files older than fourteen days.
TEST(ModemLog, WritesTheDialogueIntoTheDaysFile) {
    GuiRig rig;
    const fs::path logs = rig.folder.toStdString() + "/modem-log";
    fs::create_directories(logs);
    for (const char* name : {"2024-02-20.txt", "2024-02-21.txt", "notes.txt"}) {
        std::ofstream(logs / name) << "old\n";
    }
    rig.clock.SetLocalTime(FromCivil({2024, 3, 5, 14, 2, 11}));
    rig.modem.Arrive("\r\nOK\r\n");
    rig.Run(200);
    EXPECT_FALSE(fs::exists(logs / "2024-03-05.txt"));
    rig.Sms().SerialPortSettings.Press();
    QTest::mouseClick(rig.Widget<QCheckBox>("ModemLog"), Qt::LeftButton);
    rig.Options().BackToMainButton.Press();
    rig.modem.Arrive("\r\n\x1A\xE9\\\r\nOK\r\n");
    rig.Run(200);
    std::ifstream in(logs / "2024-03-05.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "2024-03-05 14:02:11 in  \\r\\n\\x1A\\xE9\\\\\\r\\nOK\\r\\n\n"
              "2024-03-05 14:02:11 out AT+CSMS?\\r\\n\n");
    EXPECT_FALSE(fs::exists(logs / "2024-02-20.txt"));
    EXPECT_TRUE(fs::exists(logs / "2024-02-21.txt"));
    EXPECT_TRUE(fs::exists(logs / "notes.txt"));
}

// With "SBM Enabled" kept from an earlier run, ring alerts are asked for after the
// start-up, and a ring brings one mailbox check: the outgoing buffer emptied, one exchange.
TEST(ShortBurstMail, ARingBringsOneMailboxCheck) {
    QTemporaryDir folder;
    QSettings(folder.path() + "/settings.ini", QSettings::IniFormat)
        .setValue("options/SBM_Enabled", true);
    GuiRig rig(folder.path());
    for (int i = 0; i < 9; ++i, rig.Run(200)) rig.modem.Arrive("\r\nOK\r\n");
    EXPECT_TRUE(rig.written.ends_with("AT+SBDMTA=1\r\n")) << rig.written;
    rig.written.clear();
    rig.modem.Arrive("\r\nSBDRING\r\n");
    rig.Run(200);
    rig.modem.Arrive("\r\n0\r\n\r\nOK\r\n");
    rig.Run(200);
    rig.modem.Arrive("\r\n+SBDI: 0, 0, 0, 0, 0, 0\r\n\r\nOK\r\n");
    rig.Run(2000);
    EXPECT_EQ(rig.written, "AT+SBDD0\r\nAT+SBDI\r\n");
}

}  // namespace
}  // namespace shortmsg::testing
