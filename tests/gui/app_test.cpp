// The program's own parts: the settings kept from one run to the next and the modem log.
// (The command line is tried on the program itself: tests/gui/CMakeLists.txt.)
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "gui_rig.h"

namespace shortmsg::testing {
namespace {

namespace fs = std::filesystem;

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
        for (const auto& [box, text] :
             {std::pair{"RadioSerialPortNumber", "5"}, {"ServiceCenterAddress", "447700900000"}}) {
            first.Widget<QLineEdit>(box)->selectAll();
            QTest::keyClicks(first.Widget<QLineEdit>(box), text);
        }
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

}  // namespace
}  // namespace shortmsg::testing
