#pragma once
// Stand-ins for the platform services that a terminal under test or measurement needs but
// whose effect is only looked at, never acted on: a message box that keeps the texts
// shown, a program end that notes it was asked for, and files that take every write.
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace shortmsg {

class RecordingMessageBox : public MessageBox {
  public:
    void Show(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

class RecordingProgramEnd : public ProgramEnd {
  public:
    void End() override { ended = true; }
    bool ended = false;
};

class DiscardingFiles : public TextFiles {
  public:
    bool Append(const std::string&, std::string_view, std::string&) override { return true; }
    bool Output(const std::string&, std::string_view, std::string&) override { return true; }
};

}  // namespace shortmsg
