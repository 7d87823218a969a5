// The program's own parts: the settings kept from one run to the next and the modem log.
// (The command line is tried on the program itself: tests/gui/CMakeLists.txt.)
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "gui_rig.h"

namespace shortmsg::testing {
namespace {

namespace fs = std::filesystem;

void Retype(QLineEdit* line, const char* text) {
    line->selectAll();
    QTest::keyClicks(line, text);
}

std::string FileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The operator changes every kept setting and moves the options window; the next start
// finds them so, with their handlers run (the port opened, the input box's length, the GPS
// receiver on). --reset-settings starts from the defaults, as with nothing saved.
TEST(Settings, WhatTheOperatorSetsIsThereAtTheNextStart) {
    QTemporaryDir folder;
    {
        GuiRig first(folder.path());
        first.Sms().SerialPortSettings.Press();
        Retype(first.Widget<QLineEdit>("RadioSerialPortNumber"), "5");
        Retype(first.Widget<QLineEdit>("ServiceCenterAddress"), "447700900000");
        for (const char* box : {"UseSCAinPhone", "RegisteredSM", "SBM_Enabled", "EnableGPS",
                                "StoreRxGPS", "ModemLog"}) {
            QTest::mouseClick(first.Widget<QCheckBox>(box), Qt::LeftButton);
        }
        first.OptionsWindow().move(123, 45);
    }
    GuiRig second(folder.path());
    OptionsForm& options = second.Options();
    EXPECT_EQ(second.modem.CommPort(), "5");
    EXPECT_EQ(options.ServiceCenterAddress.Text(), "447700900000");
    for (const CheckBox* box : {&options.RegisteredSM, &options.SBM_Enabled, &options.EnableGPS,
                                &options.StoreRxGPS, &options.ModemLog}) {
        EXPECT_TRUE(box->Checked()) << box->Name();
    }
    EXPECT_FALSE(options.UseSCAinPhone.Checked());
    EXPECT_EQ(second.Sms().SMinputWindow.MaxLength(), 70);
    EXPECT_TRUE(second.gps.PortOpen());
    EXPECT_EQ(second.OptionsWindow().pos(), QPoint(123, 45));

    GuiRig reset(folder.path(), true);
    EXPECT_EQ(reset.written, "AT\r\n");
    EXPECT_EQ(reset.modem.CommPort(), "1");
    EXPECT_EQ(reset.Options().ServiceCenterAddress.Text(), "881662900005");
    EXPECT_TRUE(reset.Options().UseSCAinPhone.Checked());
    EXPECT_FALSE(reset.Options().EnableGPS.Checked());
    EXPECT_FALSE(reset.gps.PortOpen());
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
    EXPECT_EQ(FileText(logs / "2024-03-05.txt"),
              "2024-03-05 14:02:11 in  \\r\\n\\x1A\\xE9\\\\\\r\\nOK\\r\\n\n"
              "2024-03-05 14:02:11 out AT+CSMS?\\r\\n\n");
    EXPECT_FALSE(fs::exists(logs / "2024-02-20.txt"));
    EXPECT_TRUE(fs::exists(logs / "2024-02-21.txt"));
    EXPECT_TRUE(fs::exists(logs / "notes.txt"));
}

}  // namespace
}  // namespace shortmsg::testing
