// The windows on the whole terminal: what the models' changes show, what the operator's
// keyboard, mouse and screen reader reach, and that a change the program makes never comes
// back to the model as the operator's input.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <functional>
#include <map>
#include <tuple>

#include "gui_rig.h"
#include "ui/qt/shape_binding.h"

namespace shortmsg::testing {
namespace {

// The window shown and active, as the operator has it in front of them.
void Activate(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

// A screen reader names the key controls, and the lamps say their state in words. A model
// colour has red in its low byte, and a box's text is drawn in a colour that reads on it.
TEST(Looks, KeyControlsAreNamedLampsSayTheirStateAndColoursRead) {
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
    rig.Sms().MT_Supported.SetFillColor(kRed);
    EXPECT_EQ(rig.Widget<qtui::LampWidget>("MT_Supported")->Fill(), QColor(255, 0, 0));
    rig.Sms().MTDisplayWindow.SetBackColor(0x123456);
    const QPalette palette = rig.Widget<QWidget>("MTDisplayWindow")->palette();
    EXPECT_EQ(palette.color(QPalette::Base), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(palette.color(QPalette::Text), QColor(Qt::white));
}

// Any character reaches the model as UTF-8; the box counts characters and stops at its
// maximum length.
TEST(Typing, AnyCharacterReachesTheModelAsUtf8UpToTheMaximumLength) {
    GuiRig rig;
    rig.Sms().SMinputWindow.SetMaxLength(3);
    auto* input = rig.Widget<QPlainTextEdit>("SMinputWindow");
    // Characters the test keyboard has no key for (QTest::keyClicks knows ASCII only).
    QTest::sendKeyEvent(QTest::Click, input, Qt::Key_unknown, QString::fromUtf8("é€Я👋"), {});
    EXPECT_EQ(rig.Sms().SMinputWindow.Text(), "\xC3\xA9\xE2\x82\xAC\xD0\xAF");
    EXPECT_EQ(input->toPlainText(), QString::fromUtf8("é€Я"));
    EXPECT_EQ(rig.Widget<QLineEdit>("TxMessageByteCount")->text(), "3");
}

// Typing into the port box alone changes no port, a click into it does; a system port
// picked from the list goes into the box (its stable name where it has one) as typed and
// clicked. "Back to Main" opens what the box holds.
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
    EXPECT_TRUE(rig.Options().SerialPortNumberChanged);
    rig.Options().BackToMainButton.Press();
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
    EXPECT_TRUE(rig.Options().SerialPortNumberChanged);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(rig.Options().RadioSerialPortNumber.Text(), "/dev/ttyS0");
    rig.Options().BackToMainButton.Press();
    EXPECT_EQ(rig.modem.CommPort(), "/dev/ttyS0");
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
// operator's: no typing, no pick, no second toggle. Adding the first item to a list moves
// the widget's current item, which is no pick either.
TEST(NoEcho, AProgramChangeRaisesOnlyTheModelsOwnEvent) {
    GuiRig rig;
    SMS& sms = rig.Sms();
    std::map<std::string, int> events;
    sms.SMinputWindow.OnChange = [&] { ++events["area change"]; };
    sms.PhoneBook.OnChange = [&] { ++events["combo change"]; };
    sms.PhoneBook.OnClick = [&] { ++events["combo click"]; };
    rig.Options().EnableGPS.OnClick = [&] { ++events["check click"]; };
    sms.SMinputWindow.SetMaxLength(10);
    sms.SMinputWindow.SetText("0123456789xyz");
    for (const char* name : {"one", "two", "three"}) sms.PhoneBook.AddItem(name);
    sms.PhoneBook.RemoveItem(0);
    rig.Options().EnableGPS.SetChecked(true);
    QApplication::processEvents();
    const std::map<std::string, int> once = {{"area change", 1}, {"check click", 1}};
    EXPECT_EQ(events, once);
    EXPECT_EQ(rig.Widget<QPlainTextEdit>("SMinputWindow")->toPlainText(), "0123456789");
    auto* phoneBook = rig.Widget<QComboBox>("PhoneBook");
    EXPECT_EQ(phoneBook->currentText(), "PhoneBook");
    EXPECT_EQ(sms.PhoneBook.Text(), "PhoneBook");
    EXPECT_TRUE(rig.Options().EnableGPS.Checked());
    EXPECT_TRUE(rig.Widget<QCheckBox>("EnableGPS")->isChecked());
    // The operator's typing into a list box is one change; picking an item is a click.
    QTest::keyClicks(phoneBook->lineEdit(), "x");
    EXPECT_EQ(sms.PhoneBook.Text(), "PhoneBookx");
    QTest::keyClick(phoneBook, Qt::Key_Down);
    EXPECT_EQ(sms.PhoneBook.Text(), "three");
    const std::map<std::string, int> typedAndPicked = {
        {"area change", 1}, {"check click", 1}, {"combo change", 1}, {"combo click", 1}};
    EXPECT_EQ(events, typedAndPicked);
}

// The frame's close button: on the options window it is "Back to Main", on the main window
// it ends the program.
TEST(Windows, ClosingTheOptionsIsBackToMainAndClosingTheMainWindowEnds) {
    GuiRig rig;
    rig.Sms().SerialPortSettings.Press();
    rig.OptionsWindow().close();
    EXPECT_TRUE(rig.MainWindow().isVisible());
    EXPECT_TRUE(rig.Sms().SanityTimer.Enabled());
    rig.MainWindow().close();
    EXPECT_TRUE(rig.end.ended);
}

// Tab goes through the main window in reading order, the lamps too, and round again.
TEST(Keyboard, TabGoesThroughTheMainWindowInReadingOrder) {
    GuiRig rig;
    Activate(rig.MainWindow());
    QStringList order;
    for (int i = 0; i < 20; ++i, Key(Qt::Key_Tab)) {
        QWidget* widget = QApplication::focusWidget();
        while (widget != nullptr && widget->parentWidget() != &rig.MainWindow()) {
            widget = widget->parentWidget();
        }
        order << (widget != nullptr ? widget->objectName() : QStringLiteral("<none>"));
    }
    EXPECT_EQ(order.join(' '),
              "SendToAddress PhoneBook QuickSMS_Combo1 SMinputWindow TxMessageByteCount "
              "SendButton ClearButton SerialPortSettings QuitButton MTDisplayWindow FromAddress "
              "ShortMessageTimeStamp ReadSMSMemory1Index NumberOfMessages EraseButton NextButton "
              "DistanceMovedDisplay MO_Supported MT_Supported SendToAddress");
}

// A number, two lines of text, Ctrl+Return: the message goes out with its line break as
// CR LF (seven characters), and the confirmation is announced.
TEST(Keyboard, AMessageGoesOutFromTheKeyboardAlone) {
    GuiRig rig;
    rig.AnswerStartUp();
    Activate(rig.MainWindow());
    QTest::keyClicks(QApplication::focusWidget(), "+447700900123");
    for (int i = 0; i < 3; ++i) Key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "hel");
    Key(Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), "lo");
    Key(Qt::Key_Return, Qt::ControlModifier);
    rig.Run(200);
    EXPECT_NE(rig.written.find("AT+CMGS=22\r\n"), std::string::npos) << rig.written;
    rig.modem.Arrive("> ");
    rig.Run(200);
    EXPECT_NE(rig.written.find("0011000C914477000910320000AA07E832BBA160BF01\x1A"),
              std::string::npos);
    rig.modem.Arrive("\r\n+CMGS: 5\r\n\r\nOK\r\n");
    rig.Run(200);
    EXPECT_EQ(rig.MainWindow().StatusBar()->currentMessage(), "Message sent: hel lo");
    EXPECT_EQ(rig.Widget<QWidget>("SMinputWindow")->accessibleDescription(),
              "Message sent: hel lo");
}

}  // namespace
}  // namespace shortmsg::testing
