#pragma once

#include <cstdint>
#include <ostream>
#include <string>

namespace razzlewick {

class InsultGenerator;
class ProfileSnapshot;

// The style `razzlewick --print` prints, or the exit status when there is none to print.
struct StyleChoice final {
    std::string key;
    int failure = 0;  // 1 withheld by the level, 2 no such style or more than one
};

// The style asked for by `name` (its key or name, in any case), one the level allows at
// random for "random", or with no name the saved tab's; a saved tab the level withholds gives
// way to the first tab it allows, a style asked for by name does not. A failure's reason, and
// with `verbose` which style was chosen for the user, go to `err`.
StyleChoice ChooseStyle(const InsultGenerator& engine, const std::string& name, int32_t level,
                        uint32_t seed, const ProfileSnapshot& settings, bool verbose,
                        std::ostream& err);

}  // namespace razzlewick
