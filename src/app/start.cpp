#include "app/start.h"

#include "app/settings_keeper.h"
#include "ui/qt/terminal_view.h"
#include "ui/terminal.h"

namespace shortmsg {

void StartTerminal(Terminal& terminal, qtui::TerminalView& view, SettingsKeeper& keeper) {
    keeper.Restore(terminal.Options(), Stage::BeforeStart);
    terminal.Start();
    keeper.Restore(terminal.Options(), Stage::AfterStart);
    view.Attach(terminal.Options());
}

}  // namespace shortmsg
