#pragma once
// Prints what the terminal does, one line per observable event, each line starting with the
// virtual time in seconds with three decimals:
//
//   T write modem|gps "<bytes>"       a write to a port
//   T <Form>.<Control>.<property> V   a control changed (texts quoted, the rest in decimal
//                                     or true/false; additem the item, removeitem the index)
//   T <Form>.visible true|false       a window was shown or hidden
//   T msgbox "<text>"                 a message box (its OK is taken at once)
//   T file <path> "<bytes>"           a line or record written to a file under the data root
//   T exit                            the program ended; nothing prints after it
//
// The options window's DebugWindow text (the whole receive buffer on every read) is left
// out unless asked for.
#include <ostream>
#include <string>
#include <string_view>

#include "platform/services.h"
#include "platform/testing/virtual_clock.h"
#include "ui/controls.h"

namespace shortmsg::replay {

class ReplayPrinter final : public FormObserver {
  public:
    ReplayPrinter(std::ostream& out, const VirtualClock& clock, bool debugWindow);

    void ControlChanged(const Control& control, Property property, std::string_view item,
                        int index) override;
    void FormVisibilityChanged(const Form& form) override;

    void PortWrite(std::string_view port, std::string_view bytes);
    // One line per line written (each ending after its LF), so a record shows as it lands.
    void FileWrite(const std::string& path, std::string_view bytes);
    void MessageBoxShown(const std::string& text);
    void ProgramEnded();

    bool Ended() const { return ended_; }

  private:
    void Print(const std::string& text);

    std::ostream& out_;
    const VirtualClock& clock_;
    bool debugWindow_;
    bool ended_ = false;
};

// The message box of a replay: printed, and taken at once.
class PrintedMessageBox final : public MessageBox {
  public:
    explicit PrintedMessageBox(ReplayPrinter& printer) : printer_(printer) {}
    void Show(const std::string& text) override { printer_.MessageBoxShown(text); }

  private:
    ReplayPrinter& printer_;
};

// The end of the program in a replay: printed; the replay stops after it.
class PrintedProgramEnd final : public ProgramEnd {
  public:
    explicit PrintedProgramEnd(ReplayPrinter& printer) : printer_(printer) {}
    void End() override { printer_.ProgramEnded(); }

  private:
    ReplayPrinter& printer_;
};

}  // namespace shortmsg::replay
