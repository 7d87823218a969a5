#pragma once
// Numbers as the terminal writes them: general form, up to 15 significant digits, "." as
// the decimal point whatever the locale ("11.5166666666667", "48.1173", "0").
#include <string>

namespace shortmsg {

std::string FormatGeneralNumber(double value);

}  // namespace shortmsg
