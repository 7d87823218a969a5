#pragma once
// The options the modem link acts on, as the options window holds them. The link reads them
// whenever it needs one; the options window fills them in as the operator changes a setting.
#include <string>

namespace shortmsg {

struct LinkSettings {
    std::string port = "1";  // the port box: a port number or a device path
    std::string serviceCenter = "881662900005";
    bool useScaInPhone = true;  // "Default SCA"
    bool registered = false;    // "Registered": status reports requested
    bool sbmEnabled = false;    // "SBM Enabled": the short burst replies are handled
};

}  // namespace shortmsg
