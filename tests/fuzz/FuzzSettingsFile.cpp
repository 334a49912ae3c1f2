// Feeds arbitrary bytes to the settings reader and writer as the settings file's text.
// The file itself is left out: every write syncs to disk, which would slow the fuzzer
// to a crawl, and the file layer only moves these texts in and out.
#include "settings/ProfileInteger.h"
#include "settings/ProfileText.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace razzlewick;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const auto num = FindProfileValue(text, "settings", "num");
    if (num) {
        ParseProfileInteger(*num);
    }

    // Whatever the file held, a value just written reads back, and a neighbouring key
    // keeps the value it had.
    const std::string value = FormatProfileInteger(static_cast<int32_t>(size) - 7);
    const std::string written = SetProfileValue(text, "settings", "level", value);
    if (FindProfileValue(written, "SETTINGS", "Level") != std::optional<std::string>(value)) {
        std::abort();
    }
    if (FindProfileValue(written, "Settings", "NUM") != num) {
        std::abort();
    }
    return 0;
}
