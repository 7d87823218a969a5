#pragma once
// The end of the program: every timer stops, the windows go and the event loop ends, so
// no further event of the terminal runs.
#include "platform/services.h"

namespace shortmsg {

class QtTimerService;

class QtProgramEnd final : public ProgramEnd {
  public:
    explicit QtProgramEnd(QtTimerService& timers) : timers_(timers) {}
    void End() override;
    bool Ended() const { return ended_; }

  private:
    QtTimerService& timers_;
    bool ended_ = false;
};

}  // namespace shortmsg
