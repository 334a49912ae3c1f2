#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace razzlewick {

// The program's text as Linux programs expect it on the clipboard: LF line ends and no
// line break after the last line, so that a paste into a terminal or a chat box does not
// send the line by itself. Other bytes are kept as they are.
std::string ToClipboardLines(std::string_view text);

// The text as it goes on the clipboard: in Unicode, with Linux line ends (above).
QString ClipboardText(const std::string& text);

// Puts the program's 8-bit Windows-1252 text on the clipboard as Unicode text, through the
// one code-page table and with Linux line ends (above). True when the clipboard holds it.
bool SetClipboardText(const std::string& text);

}  // namespace razzlewick
