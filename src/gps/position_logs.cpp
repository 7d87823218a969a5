// StoreRxGPSPosition: a position sentence received from another unit, written to the logs.
#include "gps/gps_texts.h"
#include "gps/gps_tracker.h"
#include "gps/log_records.h"

namespace shortmsg {

void GpsTracker::StoreRxGPSPosition(const std::string& sentence, const std::string& number) {
    // Decoded on its own: the unit's own fix stays as the receiver left it, and a void
    // sentence logs no position rather than an earlier one.
    GpsFixState received;
    DecodeGPRMC(sentence, received);
    for (const LogWrite& write : PositionLogWrites(sentence, number, received)) {
        std::string error;
        const bool written = write.replace ? files_.Output(write.path, write.bytes, error)
                                           : files_.Append(write.path, write.bytes, error);
        if (!written) view_.ShowError(texts::LogNotWritten(write.path, error));
    }
}

}  // namespace shortmsg
