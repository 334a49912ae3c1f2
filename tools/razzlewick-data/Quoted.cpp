#include "tools/razzlewick-data/Quoted.h"

#include "cli/TerminalText.h"

namespace razzlewick {

std::string QuotedUtf8(std::string_view utf8)
{
    return "\"" + TerminalText(utf8, Separators::Escape) + "\"";
}

std::string Quoted(std::string_view windows1252)
{
    return "\"" + TerminalTextFrom1252(windows1252, Separators::Escape) + "\"";
}

}  // namespace razzlewick
