#pragma once
// The three jobs of shortmsg-pdu, each from one input to one JSON line.
#include <string>
#include <string_view>

#include "tool_arguments.h"

namespace shortmsg {

struct ToolOutcome {
    std::string line;      // one JSON object, without the line end
    bool refused = false;  // the line is {"error": ...}
};

// {"pdu": "<hex>", "length": <octets of the whole PDU>}
ToolOutcome RunEncode(const EncodeRequest& request);
// {"type": "deliver" | "status-report" | "submit" | "unknown", ...}
ToolOutcome RunDecode(std::string_view pduHex);
// {"valid": true, "time": ..., "lat": ..., "lon": ...} or {"valid": false, "time": ...};
// a leading "$" and blanks or CR around the sentence are dropped.
ToolOutcome RunRmc(std::string_view sentence);

}  // namespace shortmsg
