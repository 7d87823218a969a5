#pragma once
// The message box: modal, an OK button, no title of its own.
#include "platform/services.h"

namespace shortmsg {

class QtMessageBox final : public MessageBox {
  public:
    // Text in 8-bit Latin-1, as the terminal holds it.
    void Show(const std::string& text) override;
};

}  // namespace shortmsg
