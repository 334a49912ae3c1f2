#include "cli/DisplayCheck.h"

#include <gtest/gtest.h>

#include <string>

using namespace razzlewick;

namespace {

struct DisplayRow {
    const char* name;
    Arguments arguments;
    DisplayEnvironment environment;  // platform, DISPLAY, WAYLAND_DISPLAY
    bool windowMayOpen;
};

void PrintTo(const DisplayRow& row, std::ostream* out)
{
    *out << row.name;
}

class DisplayCheck : public testing::TestWithParam<DisplayRow> {};

TEST_P(DisplayCheck, NeedsADisplayOnlyOnTheDesktopPlatforms)
{
    const std::string reason = NoDisplayReason(GetParam().arguments, GetParam().environment);
    if (GetParam().windowMayOpen)
        EXPECT_EQ(reason, "");
    else
        EXPECT_EQ(reason, "no display (DISPLAY and WAYLAND_DISPLAY are unset)");
}

Arguments Option(const std::string& name, const std::string& value)
{
    Arguments arguments;
    arguments.options[name] = value;
    return arguments;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DisplayCheck,
    testing::Values(DisplayRow{"Nothing", {}, {}, false},
                    DisplayRow{"X11", {}, {"", ":0", ""}, true},
                    DisplayRow{"WaylandOnly", {}, {"", "", "wayland-0"}, true},
                    DisplayRow{"WaylandPlatformOnWayland", {}, {"wayland", "", "wayland-1"}, true},
                    DisplayRow{"XcbListWithoutDisplay", {}, {"xcb;wayland", "", ""}, false},
                    DisplayRow{"Offscreen", {}, {"offscreen", "", ""}, true},
                    DisplayRow{"DisplayOption", Option("-display", ":3"), {}, true},
                    DisplayRow{"PlatformOptionBeforeEnvironment",
                               Option("-platform", "wayland"),
                               {"offscreen", "", ""},
                               false},
                    DisplayRow{"FramebufferOption", Option("-platform", "linuxfb"), {}, true}),
    [](const testing::TestParamInfo<DisplayRow>& info) { return std::string(info.param.name); });

}  // namespace
