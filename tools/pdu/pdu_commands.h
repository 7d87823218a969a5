#pragma once
// The three jobs of shortmsg-pdu, each from one input to one JSON line.
#include <string>
#include <string_view>

#include "pdu/concatenation.h"
#include "tool_arguments.h"

namespace shortmsg {

struct ToolOutcome {
    std::string lines;     // JSON objects, one per line, without the last line end
    bool refused = false;  // the line is {"error": ...}
};

// {"pdu": "<hex>", "length": <octets of the whole PDU>}, and "part" and "parts" on each
// line of a message in parts.
ToolOutcome RunEncode(const EncodeRequest& request);

// {"type": "deliver" | "status-report" | "submit" | "unknown", ...}, one PDU at a time;
// with `join`, a part that completes its set is followed by the whole message:
// {"type": "whole", "sender": ..., "parts": n, "text": ...}.
class PduDecoder {
  public:
    explicit PduDecoder(bool join) : join_(join) {}
    ToolOutcome Run(std::string_view pduHex);

  private:
    bool join_;
    MessageAssembler assembler_;
    int read_ = 0;  // PDUs read so far, each one's number standing for its store index
};
// {"valid": true, "time": ..., "lat": ..., "lon": ...} or {"valid": false, "time": ...};
// a leading "$" and blanks or CR around the sentence are dropped.
ToolOutcome RunRmc(std::string_view sentence);

}  // namespace shortmsg
