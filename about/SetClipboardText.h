#pragma once

#include <string>

namespace razzlewick {

// Puts the program's 8-bit Windows-1252 text on the clipboard as Unicode text, byte for
// byte through the one code-page table, CR LF kept. True when the clipboard holds it.
bool SetClipboardText(const std::string& text);

}  // namespace razzlewick
