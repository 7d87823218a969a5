// Bringing a widget up to its model never counts as the operator's input: each program
// change raises the model's own events once, and never an operator event.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "ui/qt/terminal_view.h"

namespace shortmsg::testing {
namespace {

using qtui::Look;

// A form of one control of each kind, every event counted.
class ProbeForm : public Form {
  public:
    ProbeForm() : Form("Probe", "Probe") {
        line.OnChange = [this] { ++events["line change"]; };
        line.OnClick = [this] { ++events["line click"]; };
        area.OnChange = [this] { ++events["area change"]; };
        area.OnClick = [this] { ++events["area click"]; };
        combo.OnChange = [this] { ++events["combo change"]; };
        combo.OnClick = [this] { ++events["combo click"]; };
        check.OnClick = [this] { ++events["check click"]; };
        button.OnClick = [this] { ++events["button click"]; };
    }
    TextBox line{*this, "line"};
    TextBox area{*this, "area", "", 10};
    ComboBox combo{*this, "combo", "start"};
    CheckBox check{*this, "check", "Check", false};
    Button button{*this, "button", "Button"};
    std::map<std::string, int> events;
};

qtui::WindowLayout ProbeLayout() {
    return {"Probe",
            "",
            300,
            200,
            {1},
            {{0, Look::TextLine, "line", "", "", 1, 0, 0},
             {1, Look::TextArea, "area", "", "", 1, 0, 0},
             {2, Look::Combo, "combo", "", "", 1, 0, 0},
             {2, Look::Check, "check", "", "", 0, 0, 0},
             {2, Look::Button, "button", "", "", 0, 0, 0}}};
}

struct ProbeRig {
    ProbeRig() {
        form.SetObserver(&view);
        view.Attach(form);
    }
    template <class W>
    W* Widget(std::string_view name) {
        return dynamic_cast<W*>(view.WindowOf(form)->WidgetFor(name));
    }
    qtui::WindowLayout layout = ProbeLayout();
    qtui::TerminalView view{
        [this](std::string_view name) { return name == "Probe" ? &layout : nullptr; }};
    ProbeForm form;
};

struct EchoCase {
    const char* what;
    std::function<void(ProbeForm&)> change;
    std::map<std::string, int> events;  // what the change itself raises
};

void PrintTo(const EchoCase& c, std::ostream* os) {
    *os << c.what;
}

class ProgramChange : public ::testing::TestWithParam<EchoCase> {};

TEST_P(ProgramChange, RaisesOnlyTheModelsOwnEvents) {
    ProbeRig rig;
    GetParam().change(rig.form);
    QApplication::processEvents();
    EXPECT_EQ(rig.form.events, GetParam().events) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ProgramChange,
    ::testing::Values(
        EchoCase{"line text", [](ProbeForm& f) { f.line.SetText("abc"); }, {{"line change", 1}}},
        EchoCase{"area text", [](ProbeForm& f) { f.area.SetText("a\r\nb"); }, {{"area change", 1}}},
        EchoCase{"area text cut",
                 [](ProbeForm& f) { f.area.SetText("0123456789xyz"); },
                 {{"area change", 1}}},
        EchoCase{
            "combo text", [](ProbeForm& f) { f.combo.SetText("other"); }, {{"combo change", 1}}},
        // Adding the first item moves the widget's current item: not a pick.
        EchoCase{"combo items",
                 [](ProbeForm& f) {
                     f.combo.AddItem("one");
                     f.combo.AddItem("two");
                     f.combo.RemoveItem(0);
                 },
                 {}},
        EchoCase{
            "check state", [](ProbeForm& f) { f.check.SetChecked(true); }, {{"check click", 1}}},
        EchoCase{"button enabled",
                 [](ProbeForm& f) {
                     f.button.SetEnabled(false);
                     f.button.SetEnabled(true);
                 },
                 {}},
        EchoCase{"line colour and visibility",
                 [](ProbeForm& f) {
                     f.line.SetBackColor(kGreen);
                     f.line.SetVisible(false);
                     f.line.SetVisible(true);
                 },
                 {}}));

TEST(ProgramChange, LeavesTheModelAsTheProgramSetIt) {
    ProbeRig rig;
    rig.form.check.SetChecked(true);
    rig.form.combo.AddItem("one");
    rig.form.area.SetText("0123456789xyz");
    EXPECT_TRUE(rig.form.check.Checked());
    EXPECT_TRUE(rig.Widget<QCheckBox>("check")->isChecked());
    EXPECT_EQ(rig.form.combo.Text(), "start");
    EXPECT_EQ(rig.Widget<QComboBox>("combo")->currentText(), "start");
    EXPECT_EQ(rig.Widget<QPlainTextEdit>("area")->toPlainText(), "0123456789");
}

// Picking a list item is a click, not a change.
TEST(OperatorInput, RaisesEachEventOnce) {
    ProbeRig rig;
    rig.form.combo.AddItem("one");
    rig.form.combo.AddItem("two");
    rig.view.WindowOf(rig.form)->show();
    QTest::keyClicks(rig.Widget<QLineEdit>("line"), "ab");
    QTest::mouseClick(rig.Widget<QLineEdit>("line"), Qt::LeftButton);
    QTest::mouseClick(rig.Widget<QCheckBox>("check"), Qt::LeftButton);
    QTest::mouseClick(rig.Widget<QPushButton>("button"), Qt::LeftButton);
    QTest::keyClicks(rig.Widget<QComboBox>("combo")->lineEdit(), "x");
    EXPECT_EQ(rig.form.combo.Text(), "startx");
    QTest::keyClick(rig.Widget<QComboBox>("combo"), Qt::Key_Down);
    EXPECT_EQ(rig.form.combo.Text(), "two");
    const std::map<std::string, int> expected = {{"line change", 2},  {"line click", 1},
                                                 {"check click", 1},  {"button click", 1},
                                                 {"combo change", 1}, {"combo click", 1}};
    EXPECT_EQ(rig.form.events, expected);
    EXPECT_EQ(rig.form.line.Text(), "ab");
}

}  // namespace
}  // namespace shortmsg::testing
