#include "tools/razzlewick-data/Quoted.h"

#include "data/Windows1252.h"

#include <cstdio>

namespace razzlewick {

std::string QuotedUtf8(std::string_view utf8)
{
    std::string quoted = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            quoted += c;
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\n') {
            quoted += "\\n";
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            quoted += escaped;
        }
    }
    return quoted + "\"";
}

std::string Quoted(std::string_view windows1252)
{
    return QuotedUtf8(Windows1252ToUtf8(windows1252));
}

}  // namespace razzlewick
