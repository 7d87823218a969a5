// The scripted serial port where the golden scenarios do not reach: port names, bytes that
// wait for the open or are lost with the port, empty writes, and a port that goes away
// during a wait. Ports going and coming, writes to a closed port and waits that end at an
// arrival or the deadline run in tests/scenarios (link/port_unplugged, options/gps_port,
// messages/receive_late_pdu, receive_pdu_never_complete, link/new_message_wait).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/port_map.h"
#include "platform/testing/scripted_port.h"

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

TEST(PortNames, NumbersLoseLeadingZerosPathsStandAndOtherNamesNeverExist) {
    const struct {
        const char* name;
        const char* key;
    } cases[] = {{"03", "3"}, {"0", ""},  {"-1", ""},
                 {" 1", ""},  {"1a", ""}, {"/dev/ttyUSB0", "/dev/ttyUSB0"}};
    for (const auto& c : cases) EXPECT_EQ(PortName(c.name), c.key) << c.name;
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

TEST(ScriptedPortWait, APortThatGoesAwayEndsTheWait) {
    Line l;
    l.port.SetCommPort("1");
    ASSERT_TRUE(l.port.Open());
    l.clock.Schedule(200, Kind::World, [&l] { l.ports.SetPresent("1", false); });
    EXPECT_FALSE(l.port.WaitForInput(1000));
    EXPECT_EQ(l.clock.NowMs(), 200);
}

}  // namespace
}  // namespace shortmsg
