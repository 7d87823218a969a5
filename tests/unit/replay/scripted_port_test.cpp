// The scripted serial port: ports that exist or not, bytes that wait or are lost, writes
// that reach the far end or are dropped, and waits on the virtual clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scripted_port.h"

namespace shortmsg {
namespace {

using Kind = VirtualClock::EventKind;

struct Line {
    VirtualClock clock;
    PortAvailability ports;
    std::vector<std::string> writes;  // "ms:bytes"
    ScriptedPort port{clock, ports, [this](VirtualClock::Ms at, std::string_view bytes) {
                          writes.push_back(std::to_string(at) + ":" + std::string(bytes));
                      }};
};

TEST(PortKeys, NumbersLoseLeadingZerosPathsStandAndOtherNamesNeverExist) {
    const struct {
        const char* name;
        const char* key;
    } cases[] = {
        {"1", "1"},   {"03", "3"}, {"0", ""}, {"00", ""}, {"-1", ""},
        {"COM1", ""}, {" 1", ""},  {"", ""},  {"1a", ""}, {"/dev/ttyUSB0", "/dev/ttyUSB0"}};
    for (const auto& c : cases) EXPECT_EQ(PortKey(c.name), c.key) << c.name;
}

TEST(PortAvailabilityTest, PortsExistUntilSaidOtherwiseByNumberOrPath) {
    PortAvailability ports;
    EXPECT_TRUE(ports.Present("7"));
    EXPECT_TRUE(ports.Present("/dev/ttyACM0"));
    EXPECT_FALSE(ports.Present("COM7"));
    ports.SetPresent("7", false);
    EXPECT_FALSE(ports.Present("007"));
    ports.SetPresent("/dev/ttyACM0", false);
    EXPECT_FALSE(ports.Present("/dev/ttyACM0"));
    ports.SetPresent("07", true);
    EXPECT_TRUE(ports.Present("7"));
}

TEST(ScriptedPortOpen, OpeningAnAbsentPortFailsAndWorksOnceItIsBack) {
    Line l;
    l.ports.SetPresent("3", false);
    l.port.SetCommPort("3");
    EXPECT_FALSE(l.port.Open());
    EXPECT_FALSE(l.port.PortOpen());
    l.ports.SetPresent("3", true);
    EXPECT_TRUE(l.port.Open());
    EXPECT_TRUE(l.port.Open()) << "opening an open port changes nothing";
    l.port.SetCommPort("");
    l.port.Close();
    EXPECT_FALSE(l.port.Open()) << "a port without a name cannot be opened";
}

TEST(ScriptedPortInput, BytesWaitWhileClosedAndAreLostWhenThePortGoesAway) {
    Line l;
    l.port.Arrive("before the port has a name ");
    l.port.SetCommPort("1");
    l.port.Arrive("while closed ");
    EXPECT_EQ(l.port.InBufferCount(), 40);
    EXPECT_EQ(l.port.Input(), "") << "a closed port gives nothing";
    ASSERT_TRUE(l.port.Open());
    EXPECT_EQ(l.port.Input(), "before the port has a name while closed ");
    EXPECT_EQ(l.port.InBufferCount(), 0);

    l.port.Arrive("lost with the port");
    l.ports.SetPresent("1", false);
    EXPECT_FALSE(l.port.PortOpen()) << "a port that goes away while open is closed";
    EXPECT_EQ(l.port.InBufferCount(), 0);
    l.port.Arrive("lost while away");
    l.ports.SetPresent("1", true);
    EXPECT_EQ(l.port.InBufferCount(), 0);
    ASSERT_TRUE(l.port.Open());
    l.port.Arrive("OK");
    l.port.DiscardInput();
    EXPECT_EQ(l.port.InBufferCount(), 0);
}

TEST(ScriptedPortInput, NamingAnAbsentPortLosesTheBytesWaiting) {
    Line l;
    l.port.Arrive("junk");
    l.ports.SetPresent("2", false);
    l.port.SetCommPort("2");
    EXPECT_EQ(l.port.InBufferCount(), 0);
}

TEST(ScriptedPortInput, AnotherPortGoingAwayLeavesThisOneAlone) {
    Line l;
    l.port.SetCommPort("1");
    ASSERT_TRUE(l.port.Open());
    l.port.Arrive("x");
    l.ports.SetPresent("3", false);
    EXPECT_TRUE(l.port.PortOpen());
    EXPECT_EQ(l.port.InBufferCount(), 1);
}

TEST(ScriptedPortOutput, WritesReachTheHookWithTheirTimeUnlessEmptyOrClosed) {
    Line l;
    l.port.Output("AT\r\n");  // not open yet
    l.port.SetCommPort("1");
    ASSERT_TRUE(l.port.Open());
    l.clock.RunUntil(1250);
    l.port.Output("");
    l.port.Output("AT\r\n");
    l.port.Close();
    l.port.Output("ATZ\r\n");
    EXPECT_EQ(l.writes, (std::vector<std::string>{"1250:AT\r\n"}));
}

TEST(ScriptedPortWait, TimeMovesToTheNextArrivalOrTheDeadline) {
    Line l;
    l.port.SetCommPort("1");
    ASSERT_TRUE(l.port.Open());
    l.port.ArriveAt(300, "+CMGR: 0,,23\r\n");
    l.port.ArriveAt(900, "late");
    EXPECT_TRUE(l.port.WaitForInput(500));
    EXPECT_EQ(l.clock.NowMs(), 300);
    EXPECT_TRUE(l.port.WaitForInput(500)) << "bytes already waiting: no time passes";
    EXPECT_EQ(l.clock.NowMs(), 300);
    EXPECT_EQ(l.port.Input(), "+CMGR: 0,,23\r\n");
    EXPECT_FALSE(l.port.WaitForInput(500));
    EXPECT_EQ(l.clock.NowMs(), 800);
    EXPECT_TRUE(l.port.WaitForInput(500));
    EXPECT_EQ(l.clock.NowMs(), 900);
}

TEST(ScriptedPortWait, AClosedPortLetsTheTimePassWithNothingComing) {
    Line l;
    l.port.SetCommPort("1");
    l.port.ArriveAt(100, "waits for the open");
    EXPECT_FALSE(l.port.WaitForInput(500));
    EXPECT_EQ(l.clock.NowMs(), 500);
    EXPECT_EQ(l.port.InBufferCount(), 18);
}

TEST(ScriptedPortWait, APortThatGoesAwayEndsTheWait) {
    Line l;
    l.port.SetCommPort("1");
    ASSERT_TRUE(l.port.Open());
    l.clock.Schedule(200, Kind::World, [&l] { l.ports.SetPresent("1", false); });
    EXPECT_FALSE(l.port.WaitForInput(1000));
    EXPECT_EQ(l.clock.NowMs(), 200);
}

TEST(ScriptedPortWait, OnlyWorldEventsRunDuringAWait) {
    Line l;
    l.port.SetCommPort("1");
    ASSERT_TRUE(l.port.Open());
    bool clicked = false;
    l.clock.Schedule(100, Kind::Operator, [&clicked] { clicked = true; });
    l.port.ArriveAt(400, "OK\r\n");
    EXPECT_TRUE(l.port.WaitForInput(1000));
    EXPECT_FALSE(clicked);
    EXPECT_TRUE(l.clock.Step(400));
    EXPECT_TRUE(clicked);
}

}  // namespace
}  // namespace shortmsg
