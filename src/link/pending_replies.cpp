// Placeholder bodies for the reply handlers until they are built; each does nothing.
#include "ui/sms.h"

namespace shortmsg {

void SMS::CsmsReply(const std::string&) {}
void SMS::CpmsReply(const std::string&) {}
void SMS::CmgsReply(const std::string&) {}
void SMS::SbdiReply(const std::string&) {}
void SMS::SbdrtReply(const std::string&) {}
void SMS::CmgrReply(const std::string&) {}
void SMS::CdsReply(const std::string&) {}
void SMS::CmtiReply(const std::string&) {}
void SMS::CpbsReply(const std::string&) {}
void SMS::CpbrReply(const std::string&) {}

}  // namespace shortmsg
