#pragma once
// The message box: modal, an OK button, no title of its own.
#include <functional>
#include <string>

#include "platform/services.h"

namespace shortmsg {

class QtMessageBox final : public MessageBox {
  public:
    // `details` gives what the box adds under the terminal's text (the reason a serial port
    // could not be opened); "" adds nothing.
    explicit QtMessageBox(std::function<std::string()> details = {})
        : details_(std::move(details)) {}
    // Text in UTF-8, as the terminal holds it.
    void Show(const std::string& text) override;

  private:
    std::function<std::string()> details_;
};

}  // namespace shortmsg
