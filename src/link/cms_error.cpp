// "+CMS ERROR:" codes in words.
#include <array>
#include <string_view>

#include "link/cms_error.h"
#include "link/messages.h"
#include "link/reply_fields.h"

namespace shortmsg {
namespace {

struct CmsWords {
    long code;
    std::string_view words;
};

constexpr std::array<CmsWords, 18> kCmsErrors = {{
    {300, "Phone failure"},
    {301, "SMS service of phone reserved"},
    {302, "Operation not allowed"},
    {303, "Operation not supported"},
    {304, "Invalid PDU mode parameter"},
    {305, "Invalid Text mode parameter"},
    {310, "SIM not inserted"},
    {311, "SIM PIN necessary"},
    {312, "PH-SIM PIN necessary"},
    {313, "SIM failure"},
    {314, "SIM busy"},
    {315, "SIM wrong"},
    {320, "Memory failure"},
    {321, "Invalid Memory Index"},
    {322, "Memory full"},
    {330, "Message service center unknown"},
    {331, "No network Service"},
    {332, "Network timeout"},
}};

}  // namespace

std::string CmsErrorMessage(std::string_view code) {
    std::string message(texts::kCmsErrorPrefix);
    std::string_view words;
    if (const auto number = IntegerValue(code)) {
        for (const CmsWords& row : kCmsErrors) {
            if (row.code == *number) words = row.words;
        }
    }
    return message.append(words.empty() ? code : words).append(texts::kCmsErrorSuffix);
}

}  // namespace shortmsg
