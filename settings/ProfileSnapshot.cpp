#include "settings/ProfileSnapshot.h"

#include "settings/ProfileInteger.h"
#include "settings/ProfileText.h"

#include <utility>

namespace razzlewick {

namespace {

// Values longer than this are cut, as by the 255-character buffer (terminator included) that
// the settings were always read through.
constexpr size_t kMaxValueLength = 254;

}  // namespace

ProfileSnapshot::ProfileSnapshot(State state, std::string path, std::string text)
    : state_(state), path_(std::move(path)), text_(std::move(text))
{
}

int32_t ProfileSnapshot::ReadInteger(std::string_view section, std::string_view key,
                                     int32_t defaultValue) const
{
    if (state_ != State::Read) {
        return defaultValue;
    }
    const auto value = FindProfileValue(text_, section, key);
    if (!value) {
        return defaultValue;
    }
    return ParseProfileInteger(std::string_view(*value).substr(0, kMaxValueLength));
}

}  // namespace razzlewick
