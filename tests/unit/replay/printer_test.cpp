// The replay's file lines: one output line per line written. Every control property,
// message boxes, the debug window and the end of the program print in the golden
// scenarios under tests/scenarios.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "printer.h"

namespace shortmsg::replay {
namespace {

TEST(ReplayPrinterTest, AFileWriteIsOneLinePerLineWrittenAndAnEmptyOneIsShown) {
    std::ostringstream out;
    VirtualClock clock;
    ReplayPrinter printer(out, clock, false);
    clock.RunUntil(1250);
    printer.FileWrite("GPSS/GPSS.LLD", "\"a\",1\r\n\"b\",2\r\ntail");
    printer.FileWrite("GPS_info/GPS_info1.txt", "");
    EXPECT_EQ(out.str(),
              "1.250 file GPSS/GPSS.LLD \"\\\"a\\\",1\\r\\n\"\n"
              "1.250 file GPSS/GPSS.LLD \"\\\"b\\\",2\\r\\n\"\n"
              "1.250 file GPSS/GPSS.LLD \"tail\"\n"
              "1.250 file GPS_info/GPS_info1.txt \"\"\n");
}

}  // namespace
}  // namespace shortmsg::replay
