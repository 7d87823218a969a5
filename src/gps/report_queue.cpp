#include "gps/report_queue.h"

namespace shortmsg {

bool ReportStillQueued(std::string_view waiting, std::string_view lines) {
    return !lines.empty() && waiting.find(lines) != std::string_view::npos;
}

}  // namespace shortmsg
