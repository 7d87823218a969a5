#include "gps/report_queue.h"

namespace shortmsg {

bool ReportStillQueued(std::string_view queue, long txCommandEnd, std::string_view lines) {
    if (lines.empty()) return false;
    // The command written last ends with CR LF at txCommandEnd (1-based): what waits
    // starts right after that LF.
    const std::size_t waiting = txCommandEnd > 0 ? static_cast<std::size_t>(txCommandEnd) + 1 : 0;
    if (waiting >= queue.size()) return false;
    return queue.find(lines, waiting) != std::string_view::npos;
}

}  // namespace shortmsg
