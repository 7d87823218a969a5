// The operator's clicks and typing on the widgets reach the terminal's handlers: as Type,
// Click, Pick, Toggle and Press on the control models.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "gui_rig.h"

namespace shortmsg::testing {
namespace {

// Typing characters the test keyboard has no key for (QTest::keyClicks knows ASCII only).
void TypeLatin1(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const int key = c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void ClickInto(QWidget* widget) {
    auto* area = qobject_cast<QPlainTextEdit*>(widget);
    QTest::mouseClick(area != nullptr ? area->viewport() : widget, Qt::LeftButton);
}

TEST(Typing, TheInputBoxCountsItsCharacters) {
    GuiRig rig;
    auto* input = rig.Widget<QPlainTextEdit>("SMinputWindow");
    QTest::keyClicks(input, "hello");
    EXPECT_EQ(rig.Sms().SMinputWindow.Text(), "hello");
    EXPECT_EQ(rig.Widget<QLineEdit>("TxMessageByteCount")->text(), "5");
    QTest::keyClick(input, Qt::Key_Backspace);
    EXPECT_EQ(rig.Widget<QLineEdit>("TxMessageByteCount")->text(), "4");
}

TEST(Typing, ALineBreakIsCrLfInTheMessage) {
    GuiRig rig;
    auto* input = rig.Widget<QPlainTextEdit>("SMinputWindow");
    QTest::keyClicks(input, "ab");
    QTest::keyClick(input, Qt::Key_Return);
    QTest::keyClicks(input, "c");
    EXPECT_EQ(rig.Sms().SMinputWindow.Text(), "ab\r\nc");
    EXPECT_EQ(rig.Widget<QLineEdit>("TxMessageByteCount")->text(), "5");
}

TEST(Typing, LatinOneCharactersReachTheModelAsSingleBytes) {
    GuiRig rig;
    TypeLatin1(rig.Widget<QLineEdit>("SendToAddress"), QString::fromUtf8("+44é"));
    EXPECT_EQ(rig.Sms().SendToAddress.Text(), "+44\xE9");
    // A character outside Latin-1 cannot be held: it becomes "?", on screen too.
    TypeLatin1(rig.Widget<QLineEdit>("SendToAddress"), QString::fromUtf8("€"));
    EXPECT_EQ(rig.Sms().SendToAddress.Text(), "+44\xE9?");
    EXPECT_EQ(rig.Widget<QLineEdit>("SendToAddress")->text(), QString::fromUtf8("+44é?"));
}

TEST(Typing, TheInputBoxStopsAtItsMaximumLength) {
    GuiRig rig;
    // "Default SCA" unchecked leaves room for 70 characters.
    rig.Sms().SerialPortSettings.Press();
    QTest::mouseClick(rig.Widget<QCheckBox>("UseSCAinPhone"), Qt::LeftButton);
    rig.Options().BackToMainButton.Press();
    ASSERT_EQ(rig.Sms().SMinputWindow.MaxLength(), 70);
    auto* input = rig.Widget<QPlainTextEdit>("SMinputWindow");
    QTest::keyClicks(input, QString(75, QLatin1Char('x')));
    EXPECT_EQ(rig.Sms().SMinputWindow.Text(), std::string(70, 'x'));
    EXPECT_EQ(input->toPlainText(), QString(70, QLatin1Char('x')));
    EXPECT_EQ(rig.Widget<QLineEdit>("TxMessageByteCount")->text(), "70");
}

TEST(Typing, ThePhoneBookBoxUndoesTyping) {
    GuiRig rig;
    auto* combo = rig.Widget<QComboBox>("PhoneBook");
    QTest::keyClicks(combo->lineEdit(), "Bo");
    EXPECT_EQ(rig.Sms().PhoneBook.Text(), "Phone Book");
    EXPECT_EQ(combo->currentText(), "Phone Book");
}

TEST(Picking, AQuickMessageFillsTheInputBoxOnTheNextHalfSecond) {
    GuiRig rig;
    auto* combo = rig.Widget<QComboBox>("QuickSMS_Combo1");
    combo->setFocus();
    // From the first item, the arrow key picks the second.
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(rig.Sms().QuickSMS_Combo1.Text(), "Test SMS Message!");
    EXPECT_TRUE(rig.Sms().QuickSmsChosen);
    rig.Run(500);
    EXPECT_EQ(rig.Widget<QPlainTextEdit>("SMinputWindow")->toPlainText(), "Test SMS Message!");
    EXPECT_EQ(combo->currentText(), "Enter message below:");
    EXPECT_EQ(rig.Widget<QLineEdit>("TxMessageByteCount")->text(), "17");
}

TEST(Picking, APhoneBookNameFillsTheAddress) {
    GuiRig rig;
    rig.modem.Arrive(
        "\r\n+CPBS: \"SM\",2,250\r\n+CPBR: (1-250)\r\n+CPBR: 1,\"+447700900123\",129,"
        "\"Alice\"\r\n+CPBR: 2,\"1234\",129,\"Bob\"\r\n");
    rig.Run(200);
    auto* combo = rig.Widget<QComboBox>("PhoneBook");
    combo->setCurrentIndex(0);  // as the list shows it when opened
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(rig.Sms().PhoneBook.Text(), "\"Bob\"");
    rig.Run(500);
    EXPECT_EQ(rig.Widget<QLineEdit>("SendToAddress")->text(), "1234");
}

TEST(Buttons, ClearEmptiesTheInputBox) {
    GuiRig rig;
    QTest::keyClicks(rig.Widget<QPlainTextEdit>("SMinputWindow"), "hello");
    QTest::mouseClick(rig.Widget<QPushButton>("ClearButton"), Qt::LeftButton);
    EXPECT_EQ(rig.Widget<QPlainTextEdit>("SMinputWindow")->toPlainText(), "");
    EXPECT_EQ(rig.Widget<QLineEdit>("TxMessageByteCount")->text(), "0");
}

TEST(Buttons, ADisabledButtonDoesNothing) {
    GuiRig rig;
    rig.Sms().SerialPortSettings.SetEnabled(false);
    QTest::mouseClick(rig.Widget<QPushButton>("SerialPortSettings"), Qt::LeftButton);
    EXPECT_TRUE(rig.Sms().Visible());
    EXPECT_FALSE(rig.Options().Visible());
}

TEST(Windows, OptionsAndBackToMainSwapTheWindows) {
    GuiRig rig;
    QTest::mouseClick(rig.Widget<QPushButton>("SerialPortSettings"), Qt::LeftButton);
    EXPECT_FALSE(rig.MainWindow().isVisible());
    EXPECT_TRUE(rig.OptionsWindow().isVisible());

    QTest::mouseClick(rig.Widget<QPushButton>("BackToMainButton"), Qt::LeftButton);
    EXPECT_TRUE(rig.MainWindow().isVisible());
    EXPECT_FALSE(rig.OptionsWindow().isVisible());
}

TEST(Windows, ClosingTheOptionsWindowGoesBackToMain) {
    GuiRig rig;
    rig.Sms().SerialPortSettings.Press();
    ASSERT_TRUE(rig.OptionsWindow().isVisible());
    rig.OptionsWindow().close();
    EXPECT_TRUE(rig.MainWindow().isVisible());
    EXPECT_FALSE(rig.OptionsWindow().isVisible());
    EXPECT_TRUE(rig.Sms().Visible());
    EXPECT_TRUE(rig.Sms().SanityTimer.Enabled());
}

TEST(Windows, ClosingTheMainWindowQuits) {
    GuiRig rig;
    rig.MainWindow().close();
    EXPECT_TRUE(rig.end.ended);
}

TEST(Clicks, AClickIntoThePortBoxMarksThePortChanged) {
    GuiRig rig;
    rig.Sms().SerialPortSettings.Press();
    auto* port = rig.Widget<QLineEdit>("RadioSerialPortNumber");
    // Typing alone does not count.
    port->setFocus();
    QTest::keyClick(port, Qt::Key_Backspace);
    QTest::keyClicks(port, "4");
    EXPECT_EQ(rig.Options().RadioSerialPortNumber.Text(), "4");
    EXPECT_FALSE(rig.Options().SerialPortNumberChanged);
    ClickInto(port);
    EXPECT_TRUE(rig.Options().SerialPortNumberChanged);
    // "Back to Main" then opens the port named.
    rig.Options().BackToMainButton.Press();
    EXPECT_EQ(rig.modem.CommPort(), "4");
}

TEST(Clicks, CheckBoxesToggleTheirModels) {
    GuiRig rig;
    rig.Sms().SerialPortSettings.Press();
    const char* boxes[] = {"RegisteredSM", "SBM_Enabled", "StoreRxGPS", "UseSCAinPhone"};
    for (const char* name : boxes) {
        auto* box = rig.Widget<QCheckBox>(name);
        auto* model = dynamic_cast<CheckBox*>(rig.Options().Find(name));
        const bool before = model->Checked();
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_EQ(model->Checked(), !before) << name;
        EXPECT_EQ(box->isChecked(), model->Checked()) << name;
    }
}

}  // namespace
}  // namespace shortmsg::testing
