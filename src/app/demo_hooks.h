#pragma once
// The demo switches of the command line (app/command_line.h), armed on the running
// terminal. Without them the program runs until the operator quits.
namespace shortmsg {

struct CommandLine;
class Terminal;
namespace qtui {
class TerminalView;
}

// Arms the screenshots and the Quit as timers on the event loop. Called before the terminal
// starts, so that a message box at start (a port not available) does not hold them up.
void ArmDemoTimers(const CommandLine& line, Terminal& terminal, qtui::TerminalView& view);
// Checks "GPS Enable" when asked; called once the terminal has started.
void CheckGpsForDemo(const CommandLine& line, Terminal& terminal);

}  // namespace shortmsg
