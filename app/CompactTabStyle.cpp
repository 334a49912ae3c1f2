#include "app/CompactTabStyle.h"

namespace razzlewick {

namespace {

// Horizontal padding taken off each tab; what remains still frames the text.
constexpr int kTabPaddingCut = 10;

}  // namespace

CompactTabStyle::CompactTabStyle() = default;

CompactTabStyle::~CompactTabStyle() = default;

int CompactTabStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const
{
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    // Tab size and label placement both derive from this padding, so they stay in step.
    if (metric == PM_TabBarTabHSpace)
        return value > kTabPaddingCut ? value - kTabPaddingCut : value;
    return value;
}

}  // namespace razzlewick
