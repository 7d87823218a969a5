// The replay's output lines for every kind of change the terminal makes.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "printer.h"

namespace shortmsg::replay {
namespace {

struct Window {
    explicit Window(bool debugWindow = false) : printer(out, clock, debugWindow) {
        main.SetObserver(&printer);
        options.SetObserver(&printer);
        clock.RunUntil(1250);
    }
    std::ostringstream out;
    VirtualClock clock;
    ReplayPrinter printer;
    Form main{"SMS", "  Short Message"};
    TextBox box{main, "SMinputWindow", "", 82};
    ComboBox combo{main, "PhoneBook", "PhoneBook"};
    Button button{main, "SendButton", "Send"};
    Shape shape{main, "MO_Supported", kRed};
    Timer timer{main, "SanityTimer", clock, 60000, false};
    Form options{"OptionsForm", "Options"};
    CheckBox check{options, "EnableGPS", "GPS Enable", false};
    TextBox debug{options, "DebugWindow"};
};

TEST(ReplayPrinterTest, EveryPropertyPrintsWithTheFormControlAndValue) {
    Window w;
    w.box.SetText("say \"hi\"\r\n");
    w.box.SetBackColor(kGreen);
    w.box.SetVisible(false);
    w.box.SetMaxLength(70);
    w.combo.AddItem("\"Bob\"");
    w.combo.RemoveItem(0);
    w.combo.Type("x");
    w.button.SetEnabled(false);
    w.shape.SetFillColor(kGreen);
    w.timer.SetInterval(20000);
    w.timer.SetEnabled(true);
    w.check.Toggle();
    w.main.Show();
    w.options.Hide();  // already hidden: nothing
    w.options.Show();
    EXPECT_EQ(w.out.str(),
              "1.250 SMS.SMinputWindow.text \"say \\\"hi\\\"\\r\\n\"\n"
              "1.250 SMS.SMinputWindow.backcolor 65280\n"
              "1.250 SMS.SMinputWindow.visible false\n"
              "1.250 SMS.SMinputWindow.maxlength 70\n"
              "1.250 SMS.PhoneBook.additem \"\\\"Bob\\\"\"\n"
              "1.250 SMS.PhoneBook.removeitem 0\n"
              "1.250 SMS.PhoneBook.text \"x\"\n"
              "1.250 SMS.SendButton.enabled false\n"
              "1.250 SMS.MO_Supported.fillcolor 65280\n"
              "1.250 SMS.SanityTimer.interval 20000\n"
              "1.250 SMS.SanityTimer.enabled true\n"
              "1.250 OptionsForm.EnableGPS.checked true\n"
              "1.250 SMS.visible true\n"
              "1.250 OptionsForm.visible true\n");
}

TEST(ReplayPrinterTest, TheDebugWindowPrintsOnlyWhenAskedFor) {
    for (const bool asked : {false, true}) {
        Window w(asked);
        w.debug.SetText("\r\nOK\r\n");
        EXPECT_EQ(w.out.str(),
                  asked ? "1.250 OptionsForm.DebugWindow.text \"\\r\\nOK\\r\\n\"\n" : "");
    }
}

TEST(ReplayPrinterTest, WritesMessageBoxesAndFileLines) {
    Window w;
    w.printer.PortWrite("modem", "AT\r\n");
    w.printer.PortWrite("gps", std::string("\0", 1));
    w.printer.MessageBoxShown("COM3 not available. Change the CommPort property to another port.");
    w.printer.FileWrite("GPSS/GPSS.LLD", "\"a\",1\r\n\"b\",2\r\ntail");
    w.printer.FileWrite("GPS_info/GPS_info1.txt", "");
    EXPECT_EQ(w.out.str(),
              "1.250 write modem \"AT\\r\\n\"\n"
              "1.250 write gps \"\\x00\"\n"
              "1.250 msgbox \"COM3 not available. Change the CommPort property to another port.\"\n"
              "1.250 file GPSS/GPSS.LLD \"\\\"a\\\",1\\r\\n\"\n"
              "1.250 file GPSS/GPSS.LLD \"\\\"b\\\",2\\r\\n\"\n"
              "1.250 file GPSS/GPSS.LLD \"tail\"\n"
              "1.250 file GPS_info/GPS_info1.txt \"\"\n");
}

TEST(ReplayPrinterTest, NothingPrintsAfterTheProgramEnded) {
    Window w;
    PrintedProgramEnd end(w.printer);
    end.End();
    w.box.SetText("too late");
    w.printer.PortWrite("modem", "AT\r\n");
    EXPECT_TRUE(w.printer.Ended());
    EXPECT_EQ(w.out.str(), "1.250 exit\n");
}

}  // namespace
}  // namespace shortmsg::replay
