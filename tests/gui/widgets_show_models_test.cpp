// The windows show their models: captions and labels, and every change the terminal makes
// to a control (text, colour, visibility, enabled state, list items) reaches its widget.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <set>

#include "gui_rig.h"
#include "ui/qt/shape_binding.h"

namespace shortmsg::testing {
namespace {

std::set<QString> LabelTexts(const QWidget& window) {
    std::set<QString> texts;
    for (const QLabel* label : window.findChildren<QLabel*>()) texts.insert(label->text());
    return texts;
}

QString TextOf(QWidget* widget) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
    if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) return area->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
    return QStringLiteral("<no text>");
}

QColor BaseOf(QWidget* widget) {
    return widget->palette().color(QPalette::Base);
}

TEST(WindowCaptions, AreTheForms) {
    GuiRig rig;
    EXPECT_EQ(rig.MainWindow().windowTitle(), QStringLiteral("  Short Message"));
    EXPECT_EQ(rig.OptionsWindow().windowTitle(), QStringLiteral("Options"));
}

TEST(WindowCaptions, FramesAndLabelsCarryTheirTexts) {
    GuiRig rig;
    const std::set<QString> main = {
        "Send to:", "# of bytes=", "Rx SMS below: ", "From:",    "Time Stamp:",
        "Index=",   "#of SM=",     "Distance Moved", "MO Ready", "MT Ready"};
    EXPECT_EQ(LabelTexts(rig.MainWindow()), main);
    const std::set<QString> options = {"SCA", "Serial Port =", "Position queries from"};
    EXPECT_EQ(LabelTexts(rig.OptionsWindow()), options);
}

TEST(WindowCaptions, ButtonsAndCheckBoxesCarryTheControlsCaptions) {
    GuiRig rig;
    int shown = 0;
    for (const Form* form : {static_cast<Form*>(&rig.Sms()), static_cast<Form*>(&rig.Options())}) {
        for (const Control* control : form->Controls()) {
            std::string caption;
            if (auto* button = dynamic_cast<const Button*>(control)) caption = button->Caption();
            if (auto* check = dynamic_cast<const CheckBox*>(control)) caption = check->Caption();
            if (caption.empty()) continue;
            auto* widget = rig.Widget<QAbstractButton>(control->Name());
            ASSERT_NE(widget, nullptr) << control->Name();
            EXPECT_EQ(widget->text(), QString::fromLatin1(caption)) << control->Name();
            ++shown;
        }
    }
    EXPECT_EQ(shown, 14);  // eight buttons, six check boxes
}

// The widgets start from the models' values, before any change is reported.
TEST(StartState, ShowsTheModelsValues) {
    GuiRig rig;
    EXPECT_TRUE(rig.MainWindow().isVisible());
    EXPECT_FALSE(rig.OptionsWindow().isVisible());
    EXPECT_EQ(TextOf(rig.Widget<QWidget>("ReadSMSMemory1Index")), "00");
    EXPECT_EQ(TextOf(rig.Widget<QWidget>("MO_Message_Status")), "Message Status");
    EXPECT_TRUE(rig.Widget<QCheckBox>("UseSCAinPhone")->isChecked());
    auto* error = rig.Widget<QPlainTextEdit>("ErrorMessageWindow");
    EXPECT_TRUE(error->isHidden());
    EXPECT_EQ(BaseOf(error), QColor(255, 0, 0));
    EXPECT_EQ(TextOf(error), "Error Messages");
    EXPECT_EQ(rig.Widget<qtui::CircleWidget>("MO_Supported")->Fill(), QColor(255, 0, 0));
}

TEST(StartState, QuickMessagesAreListedOnceInOrder) {
    GuiRig rig;
    auto* combo = rig.Widget<QComboBox>("QuickSMS_Combo1");
    const QStringList expected = {"Please call me!", "Test SMS Message!", "GPSquery:1",
                                  "GPSquery:0,0.03,",
                                  "GPSquery:0,0,60,0,01/13/03 03:26:00 pm,01/13/03 03:29:00 pm,"};
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    EXPECT_EQ(items, expected);
    // Filling the list leaves the box's own text alone.
    EXPECT_EQ(combo->currentText(), "Enter message below:");
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
    if (control == nullptr) control = rig.Options().Find(c.control);
    ASSERT_NE(control, nullptr);
    if (auto* box = dynamic_cast<TextBox*>(control)) box->SetText(c.modelText);
    if (auto* combo = dynamic_cast<ComboBox*>(control)) combo->SetText(c.modelText);
    EXPECT_EQ(TextOf(rig.Widget<QWidget>(c.control)), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ModelText,
    ::testing::Values(TextCase{"FromAddress", "447700900123", "447700900123"},
                      // Latin-1 bytes are characters, not UTF-8.
                      TextCase{"MTDisplayWindow",
                               "Gr\xFC\xDF"
                               "e \xE9t\xE9",
                               QString::fromUtf8("Grüße été")},
                      // A multi-line box shows CR LF, and a lone CR or LF, as line breaks.
                      TextCase{"MTDisplayWindow", "one\r\ntwo\rthree\nfour",
                               "one\ntwo\nthree\nfour"},
                      TextCase{"NumberOfMessages", "", ""},
                      TextCase{"PhoneBook", "Phone Book", "Phone Book"}));

struct ColourCase {
    int model;
    QColor shown;
};

void PrintTo(const ColourCase& c, std::ostream* os) {
    *os << c.model;
}

class ModelColours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ModelColours, PaintBoxesAndLamps) {
    GuiRig rig;
    rig.Sms().MTDisplayWindow.SetBackColor(GetParam().model);
    rig.Sms().MT_Supported.SetFillColor(GetParam().model);
    EXPECT_EQ(BaseOf(rig.Widget<QWidget>("MTDisplayWindow")), GetParam().shown);
    EXPECT_EQ(rig.Widget<qtui::CircleWidget>("MT_Supported")->Fill(), GetParam().shown);
}

// Red is the low byte.
INSTANTIATE_TEST_SUITE_P(Colours, ModelColours,
                         ::testing::Values(ColourCase{255, QColor(255, 0, 0)},
                                           ColourCase{65280, QColor(0, 255, 0)},
                                           ColourCase{16711680, QColor(0, 0, 255)},
                                           ColourCase{16777215, QColor(255, 255, 255)},
                                           ColourCase{0x123456, QColor(0x56, 0x34, 0x12)},
                                           ColourCase{0, QColor(0, 0, 0)}));

TEST(ModelState, VisibilityFollowsTheBlinkingErrorBox) {
    GuiRig rig;
    auto* error = rig.Widget<QWidget>("ErrorMessageWindow");
    rig.Sms().ErrorMessageWindow.SetVisible(true);
    EXPECT_FALSE(error->isHidden());
    rig.Sms().ErrorMessageWindow.SetVisible(false);
    EXPECT_TRUE(error->isHidden());
    // Hidden, it keeps its room: the window does not jump as it blinks.
    EXPECT_TRUE(error->sizePolicy().retainSizeWhenHidden());
}

TEST(ModelState, EnabledAndCheckedStatesReachTheirWidgets) {
    GuiRig rig;
    rig.Sms().SendButton.SetEnabled(false);
    EXPECT_FALSE(rig.Widget<QPushButton>("SendButton")->isEnabled());
    rig.Sms().SendButton.SetEnabled(true);
    EXPECT_TRUE(rig.Widget<QPushButton>("SendButton")->isEnabled());
    rig.Options().UseSCAinPhone.SetChecked(false);
    EXPECT_FALSE(rig.Widget<QCheckBox>("UseSCAinPhone")->isChecked());
}

TEST(ModelState, ListItemsComeAndGoWithoutTouchingTheText) {
    GuiRig rig;
    auto* combo = rig.Widget<QComboBox>("PhoneBook");
    rig.Sms().PhoneBook.AddItem("\"Alice\"");
    rig.Sms().PhoneBook.AddItem("\"Bob\"");
    rig.Sms().PhoneBook.AddItem("\"Smith, John\"");
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(2), "\"Smith, John\"");
    EXPECT_EQ(combo->currentText(), "PhoneBook");
    rig.Sms().PhoneBook.RemoveItem(0);
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "\"Bob\"");
    EXPECT_EQ(combo->currentText(), "PhoneBook");
    // "Update Phone Book" empties the list and puts "Phone Book" back.
    rig.Options().UpdatePhoneBookButton.Press();
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(combo->currentText(), "Phone Book");
}

TEST(ModelState, WindowsFollowTheForms) {
    GuiRig rig;
    rig.Options().Show();
    rig.Sms().Hide();
    EXPECT_TRUE(rig.OptionsWindow().isVisible());
    EXPECT_FALSE(rig.MainWindow().isVisible());
    rig.Sms().Show();
    rig.Options().Hide();
    EXPECT_TRUE(rig.MainWindow().isVisible());
    EXPECT_FALSE(rig.OptionsWindow().isVisible());
}

TEST(ModelState, AModemDialogueFillsTheWindows) {
    GuiRig rig;
    // The initialisation answered, then "+CSMS:" and a stored count.
    for (int i = 0; i < 8; ++i) {
        rig.modem.Arrive("\r\nOK\r\n");
        rig.Run(200);
    }
    rig.modem.Arrive(
        "\r\n+CSMS: 0,001,001,001\r\n\r\n+CPMS: \"SM\",3,30,\"SM\",3,30,\"SM\",3,30\r\n");
    rig.Run(200);
    EXPECT_EQ(rig.Widget<qtui::CircleWidget>("MO_Supported")->Fill(), QColor(0, 255, 0));
    EXPECT_EQ(rig.Widget<qtui::CircleWidget>("MT_Supported")->Fill(), QColor(0, 255, 0));
    EXPECT_EQ(TextOf(rig.Widget<QWidget>("NumberOfMessages")), "3");
    EXPECT_TRUE(TextOf(rig.Widget<QWidget>("DebugWindow")).contains("+CSMS: 0,001,001,001"));
}

}  // namespace
}  // namespace shortmsg::testing
