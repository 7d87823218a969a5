// The windows show their models and pass the operator's keys and clicks on to them: texts,
// colours and states reach the widgets, typing, picking, clicking and toggling reach the
// models as Type, Pick, Click, Toggle and Press, and the keyboard alone reaches everything.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <functional>
#include <set>

#include "gui_rig.h"
#include "ui/qt/shape_binding.h"

namespace shortmsg::testing {
namespace {

QString TextOf(QWidget* widget) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
    if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) return area->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
    return QStringLiteral("<no text>");
}

QColor Role(QWidget* widget, QPalette::ColorRole role) {
    return widget->palette().color(role);
}

// Typing characters the test keyboard has no key for (QTest::keyClicks knows ASCII only).
void TypeChars(QWidget* widget, const QString& text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text, {});
}

// The window shown and active, as the operator has it in front of them.
void Activate(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

// The control whose widget has the focus (or holds the widget that has it).
QString FocusedControl(const QWidget& window) {
    QWidget* widget = QApplication::focusWidget();
    while (widget != nullptr && widget->parentWidget() != &window) widget = widget->parentWidget();
    return widget != nullptr ? widget->objectName() : QStringLiteral("<none>");
}

// Frames and labels carry their captions. Every control shown is named after its control
// and has words for a screen reader; every button and check box shows its caption with a
// mnemonic of its own in its window.
TEST(Words, EveryControlIsNamedAndEveryButtonHasItsOwnMnemonic) {
    GuiRig rig;
    int buttons = 0;
    std::set<QString> labels;
    for (const Form* form : {static_cast<Form*>(&rig.Sms()), static_cast<Form*>(&rig.Options())}) {
        for (const QLabel* label : rig.view.WindowOf(*form)->findChildren<QLabel*>()) {
            labels.insert(label->text());
        }
        std::set<QChar> mnemonics;
        for (const Control* control : form->Controls()) {
            QWidget* widget = rig.view.WindowOf(*form)->WidgetFor(control->Name());
            if (widget == nullptr) continue;  // a timer
            EXPECT_EQ(widget->objectName().toStdString(), control->Name());
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << control->Name();
            std::string caption;
            if (auto* button = dynamic_cast<const Button*>(control)) caption = button->Caption();
            if (auto* check = dynamic_cast<const CheckBox*>(control)) caption = check->Caption();
            if (caption.empty()) continue;
            QString text = dynamic_cast<QAbstractButton*>(widget)->text();
            const auto mark = text.indexOf(QLatin1Char('&'));
            ASSERT_GE(mark, 0) << control->Name();
            EXPECT_TRUE(mnemonics.insert(text[mark + 1].toUpper()).second) << control->Name();
            EXPECT_EQ(text.remove(mark, 1), QString::fromLatin1(caption));
            ++buttons;
        }
    }
    EXPECT_EQ(buttons, 15);  // eight buttons, seven check boxes
    const std::set<QString> captions = {
        "Send to:", "# of bytes=",   "Rx SMS below: ",       "From:",    "Time Stamp:",
        "Index=",   "#of SM=",       "Distance Moved",       "MO Ready", "MT Ready",
        "SCA",      "Serial Port =", "Position queries from"};
    EXPECT_EQ(labels, captions);
    for (const auto& [control, name] : {std::pair{"SendToAddress", "Send to"},
                                        {"SMinputWindow", "Message text"},
                                        {"MTDisplayWindow", "Received message"},
                                        {"MO_Supported", "MO Ready"}}) {
        EXPECT_EQ(rig.Widget<QWidget>(control)->accessibleName(), name);
    }
}

struct TextCase {
    const char* control;
    std::string modelText;
    QString shown;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.control;
}

class ModelText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ModelText, ReachesTheWidget) {
    GuiRig rig;
    const TextCase& c = GetParam();
    Control* control = rig.Sms().Find(c.control);
    if (auto* box = dynamic_cast<TextBox*>(control)) box->SetText(c.modelText);
    if (auto* combo = dynamic_cast<ComboBox*>(control)) combo->SetText(c.modelText);
    EXPECT_EQ(TextOf(rig.Widget<QWidget>(c.control)), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ModelText,
    ::testing::Values(TextCase{"FromAddress", "447700900123", "447700900123"},
                      // The model's text is UTF-8.
                      TextCase{"MTDisplayWindow", "Gr\u00FC\u00DFe \u041F\u0440\u0438 \U0001F44B",
                               QString::fromUtf8("Grüße При 👋")},
                      // A multi-line box shows CR LF, and a lone CR or LF, as line breaks.
                      TextCase{"MTDisplayWindow", "one\r\ntwo\rthree\nfour",
                               "one\ntwo\nthree\nfour"},
                      TextCase{"PhoneBook", "Phone Book", "Phone Book"}));

struct ColourCase {
    int model;
    QColor shown;
    QColor text;  // the text drawn on it
};

void PrintTo(const ColourCase& c, std::ostream* os) {
    *os << c.model;
}

class ModelColours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ModelColours, PaintBoxesAndLampsWithTextThatReads) {
    GuiRig rig;
    rig.Sms().MTDisplayWindow.SetBackColor(GetParam().model);
    rig.Sms().MT_Supported.SetFillColor(GetParam().model);
    EXPECT_EQ(Role(rig.Widget<QWidget>("MTDisplayWindow"), QPalette::Base), GetParam().shown);
    EXPECT_EQ(Role(rig.Widget<QWidget>("MTDisplayWindow"), QPalette::Text), GetParam().text);
    EXPECT_EQ(rig.Widget<qtui::LampWidget>("MT_Supported")->Fill(), GetParam().shown);
}

// Red is the low byte.
INSTANTIATE_TEST_SUITE_P(Colours, ModelColours,
                         ::testing::Values(ColourCase{255, QColor(255, 0, 0), Qt::white},
                                           ColourCase{65280, QColor(0, 255, 0), Qt::black},
                                           ColourCase{16711680, QColor(0, 0, 255), Qt::white},
                                           ColourCase{16777215, QColor(255, 255, 255), Qt::black},
                                           ColourCase{0x123456, QColor(0x56, 0x34, 0x12),
                                                      Qt::white},
                                           ColourCase{0, QColor(0, 0, 0), Qt::white}));

TEST(ModelState, ButtonStatesAndListItemsReachTheirWidgets) {
    GuiRig rig;
    rig.Sms().SendButton.SetEnabled(false);
    EXPECT_FALSE(rig.Widget<QPushButton>("SendButton")->isEnabled());
    auto* combo = rig.Widget<QComboBox>("PhoneBook");
    for (const char* name : {"\"Alice\"", "\"Bob\"", "\"Smith, John\""})
        rig.Sms().PhoneBook.AddItem(name);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(2), "\"Smith, John\"");
    rig.Sms().PhoneBook.RemoveItem(0);
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "\"Bob\"");
    // Items come and go without touching the box's text.
    EXPECT_EQ(combo->currentText(), "PhoneBook");
}

// The lamps tell their state in words as well as in colour.
TEST(ModelState, TheLampsSayYesOrNo) {
    GuiRig rig;
    auto* lamp = rig.Widget<qtui::LampWidget>("MO_Supported");
    EXPECT_EQ(lamp->accessibleDescription(), "MO Ready: no");
    rig.Sms().MO_Supported.SetFillColor(kGreen);
    EXPECT_EQ(lamp->Fill(), QColor(0, 255, 0));
    EXPECT_EQ(lamp->accessibleDescription(), "MO Ready: yes");
    EXPECT_EQ(lamp->toolTip(), "MO Ready: yes");
    EXPECT_EQ(rig.Widget<QWidget>("MT_Supported")->toolTip(), "MT Ready: no");
}

// A line break is CR LF in the message and counts two; typing stops at the maximum length.
TEST(Typing, TheInputBoxCountsCrLfAndStopsAtItsMaximumLength) {
    GuiRig rig;
    rig.Sms().SMinputWindow.SetMaxLength(6);
    auto* input = rig.Widget<QPlainTextEdit>("SMinputWindow");
    QTest::keyClicks(input, "ab");
    QTest::keyClick(input, Qt::Key_Return);
    QTest::keyClicks(input, "cdef");
    EXPECT_EQ(rig.Sms().SMinputWindow.Text(), "ab\r\ncd");
    EXPECT_EQ(input->toPlainText(), "ab\ncd");
    EXPECT_EQ(rig.Widget<QLineEdit>("TxMessageByteCount")->text(), "6");
}

// Any character reaches the model as UTF-8 and the box counts characters.
TEST(Typing, AnyCharacterReachesTheModelAsUtf8) {
    GuiRig rig;
    TypeChars(rig.Widget<QPlainTextEdit>("SMinputWindow"), QString::fromUtf8("é€Я👋"));
    EXPECT_EQ(rig.Sms().SMinputWindow.Text(), "\xC3\xA9\xE2\x82\xAC\xD0\xAF\xF0\x9F\x91\x8B");
    EXPECT_EQ(rig.Sms().TxMessageByteCount.Text(), "4");
}

// A system port picked from the list goes into the port box as typed and clicked, so that
// "Back to Main" opens it; its stable name where it has one.
TEST(Picking, ASystemPortGoesIntoThePortBox) {
    GuiRig rig;
    rig.portList = {{"/dev/ttyUSB0", "FT232R USB UART", "FTDI", "/dev/serial/by-id/usb-FTDI-p0"},
                    {"/dev/ttyS0", "", "", ""}};
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

TEST(Clicks, AClickIntoThePortBoxMarksThePortChanged) {
    GuiRig rig;
    rig.Sms().SerialPortSettings.Press();
    auto* port = rig.Widget<QLineEdit>("RadioSerialPortNumber");
    // Typing alone does not count.
    port->setFocus();
    QTest::keyClick(port, Qt::Key_Backspace);
    QTest::keyClicks(port, "4");
    EXPECT_FALSE(rig.Options().SerialPortNumberChanged);
    QTest::mouseClick(port, Qt::LeftButton);
    EXPECT_TRUE(rig.Options().SerialPortNumberChanged);
    rig.Options().BackToMainButton.Press();
    EXPECT_EQ(rig.modem.CommPort(), "4");
}

// A check box answers a click, Space and a screen reader's toggle action alike, once each.
struct ToggleWay {
    const char* name;
    std::function<void(QCheckBox*)> toggle;
};

void PrintTo(const ToggleWay& way, std::ostream* os) {
    *os << way.name;
}

class CheckBoxes : public ::testing::TestWithParam<ToggleWay> {};

TEST_P(CheckBoxes, GpsEnableRunsItsHandlerEachTime) {
    GuiRig rig;
    rig.Sms().SerialPortSettings.Press();
    auto* box = rig.Widget<QCheckBox>("EnableGPS");
    GetParam().toggle(box);
    EXPECT_TRUE(rig.Options().EnableGPS.Checked());
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(rig.gps.PortOpen());
    EXPECT_TRUE(rig.Options().GPS_Timer1.Enabled());
    GetParam().toggle(box);
    EXPECT_FALSE(rig.Options().EnableGPS.Checked());
    EXPECT_FALSE(rig.gps.PortOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, CheckBoxes,
    ::testing::Values(
        ToggleWay{"click", [](QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton); }},
        ToggleWay{"Space", [](QCheckBox* box) { QTest::keyClick(box, Qt::Key_Space); }},
        ToggleWay{"toggle action", [](QCheckBox* box) {
                      QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(
                          QAccessibleActionInterface::toggleAction());
                  }}));

TEST(Windows, OptionsAndBackToMainSwapTheWindowsAndClosingIsBackToMain) {
    GuiRig rig;
    QTest::mouseClick(rig.Widget<QPushButton>("SerialPortSettings"), Qt::LeftButton);
    EXPECT_FALSE(rig.MainWindow().isVisible());
    EXPECT_TRUE(rig.OptionsWindow().isVisible());
    QTest::mouseClick(rig.Widget<QPushButton>("BackToMainButton"), Qt::LeftButton);
    EXPECT_TRUE(rig.MainWindow().isVisible());
    EXPECT_FALSE(rig.OptionsWindow().isVisible());
    rig.Sms().SerialPortSettings.Press();
    rig.OptionsWindow().close();
    EXPECT_TRUE(rig.MainWindow().isVisible());
    EXPECT_TRUE(rig.Sms().SanityTimer.Enabled());
    rig.MainWindow().close();
    EXPECT_TRUE(rig.end.ended);
}

TEST(Keyboard, TabGoesThroughTheMainWindowInReadingOrder) {
    GuiRig rig;
    Activate(rig.MainWindow());
    QStringList order;
    for (int i = 0; i < 20; ++i) {
        order << FocusedControl(rig.MainWindow());
        Key(Qt::Key_Tab);
    }
    const QStringList expected = {
        "SendToAddress",        "PhoneBook",        "QuickSMS_Combo1", "SMinputWindow",
        "TxMessageByteCount",   "SendButton",       "ClearButton",     "SerialPortSettings",
        "QuitButton",           "MTDisplayWindow",  "FromAddress",     "ShortMessageTimeStamp",
        "ReadSMSMemory1Index",  "NumberOfMessages", "EraseButton",     "NextButton",
        "DistanceMovedDisplay", "MO_Supported",     "MT_Supported",    "SendToAddress"};
    EXPECT_EQ(order, expected);
}

// A number, a text, Ctrl+Return: the message goes out, and the confirmation is announced.
TEST(Keyboard, AMessageGoesOutFromTheKeyboardAlone) {
    GuiRig rig;
    rig.AnswerStartUp();
    Activate(rig.MainWindow());
    QTest::keyClicks(QApplication::focusWidget(), "+447700900123");
    for (int i = 0; i < 3; ++i) Key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "hello");
    Key(Qt::Key_Return, Qt::ControlModifier);
    rig.Run(200);
    EXPECT_NE(rig.written.find("AT+CMGS=20\r\n"), std::string::npos) << rig.written;
    rig.modem.Arrive("> ");
    rig.Run(200);
    rig.modem.Arrive("\r\n+CMGS: 5\r\n\r\nOK\r\n");
    rig.Run(200);
    EXPECT_EQ(rig.MainWindow().StatusBar()->currentMessage(), "Message sent: hello");
    EXPECT_EQ(rig.Widget<QWidget>("SMinputWindow")->accessibleDescription(), "Message sent: hello");
}

// Alt and a button's letter presses it; Escape in the options window is "Back to Main".
TEST(Keyboard, AltOOpensTheOptionsAndEscapeGoesBack) {
    GuiRig rig;
    Activate(rig.MainWindow());
    Key(Qt::Key_O, Qt::AltModifier);
    // A mnemonic clicks its button as the eye can follow: a moment later.
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.Options().Visible(); }, 2000));
    Activate(rig.OptionsWindow());
    Key(Qt::Key_Escape);
    EXPECT_TRUE(rig.Sms().Visible());
    EXPECT_TRUE(rig.Sms().ServiceSerialPortMSComm1Timer.Enabled());
}

// The error box is announced when it shows; it blinks white and red, its text red on white
// and white on red, and keeps its room while hidden.
TEST(Announcements, AnErrorIsAnnouncedWhenTheBoxShowsIt) {
    GuiRig rig;
    auto* box = rig.Widget<QWidget>("ErrorMessageWindow");
    rig.Sms().SendButton.Press();  // nothing to send
    const QString error = "No message to send! Please enter message in send window";
    EXPECT_NE(rig.MainWindow().StatusBar()->currentMessage(), error);
    rig.Run(500);
    EXPECT_EQ(rig.MainWindow().StatusBar()->currentMessage(), error);
    EXPECT_EQ(box->accessibleDescription(), error);
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(0xA0, 0, 0));
    rig.Run(500);
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::white));
    rig.Run(5000);  // the blinking is over
    EXPECT_TRUE(box->isHidden());
    EXPECT_TRUE(box->sizePolicy().retainSizeWhenHidden());
    EXPECT_EQ(box->accessibleDescription(), "");
}

}  // namespace
}  // namespace shortmsg::testing
