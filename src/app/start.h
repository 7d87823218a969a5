#pragma once
// The terminal's start with the kept settings, as the program and its GUI tests do it.
namespace shortmsg {

class Terminal;
class SettingsKeeper;
namespace qtui {
class TerminalView;
}

// Creates the options window and puts back the settings start-up reads, starts the main
// window (which writes the first command), puts back the settings whose handlers need the
// main window, and builds the options window's widgets (hidden).
void StartTerminal(Terminal& terminal, qtui::TerminalView& view, SettingsKeeper& keeper);

}  // namespace shortmsg
