#pragma once
// "+CMS ERROR:" codes in words, for the error box.
#include <string>
#include <string_view>

namespace shortmsg {

// "!!! CMS ERROR:" + the words of the code + " !!! ". A code without words, and text that
// is not a 16-bit whole number (the verbose form), is shown exactly as received.
std::string CmsErrorMessage(std::string_view code);

}  // namespace shortmsg
