#include "platform/LocalDate.h"

#include <time.h>

#include <array>

namespace razzlewick::platform {

std::string LocalDate()
{
    const time_t now = ::time(nullptr);
    struct tm local {};
    std::array<char, 16> text{};
    if (::localtime_r(&now, &local) == nullptr ||
        ::strftime(text.data(), text.size(), "%Y-%m-%d", &local) == 0) {
        return "1970-01-01";
    }
    return text.data();
}

}  // namespace razzlewick::platform
