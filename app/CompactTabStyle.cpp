#include "app/CompactTabStyle.h"

#include <QApplication>
#include <QStyleOptionTab>
#include <QTabBar>

#include <algorithm>

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

QSize CompactTabStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                        const QSize& size, const QWidget* widget) const
{
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_TabBarTab && shrink_ > 0)
        result.rwidth() -= std::min(shrink_, Slack(option, result, widget));
    return result;
}

void CompactTabStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const
{
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (element != CE_TabBarTabLabel || tab == nullptr || (tab->state & State_HasFocus) == 0) {
        EdgeContrastStyle::drawControl(element, option, painter, widget);
        return;
    }
    // Styles place a label's focus frame by their own padding, which these tabs have given
    // up: the frame would cut through a long label. The label goes without it, and the
    // frame spans the tab instead.
    QStyleOptionTab label(*tab);
    label.state &= ~State_HasFocus;
    EdgeContrastStyle::drawControl(element, &label, painter, widget);
    QStyleOptionFocusRect frame;
    frame.QStyleOption::operator=(*tab);
    frame.rect = tab->rect.adjusted(1, 2, -1, -2);
    EdgeContrastStyle::drawPrimitive(PE_FrameFocusRect, &frame, painter, widget);
}

QRect CompactTabStyle::subElementRect(SubElement element, const QStyleOption* option,
                                      const QWidget* widget) const
{
    QRect rect = QProxyStyle::subElementRect(element, option, widget);
    const bool besideHeaders =
        element == SE_TabBarScrollLeftButton || element == SE_TabBarScrollRightButton ||
        element == SE_TabBarTearIndicatorLeft || element == SE_TabBarTearIndicatorRight;
    const auto* tabs = qobject_cast<const QTabBar*>(widget);
    if (besideHeaders && tabs != nullptr && tabs->count() > 0) {
        // The tabs are laid out by now, so their height is known without laying them out again.
        const int headers = tabs->tabRect(0).height();
        if (headers > 0 && rect.height() > headers)
            rect.setHeight(headers);
    }
    return rect;
}

int CompactTabStyle::Slack(const QStyleOption* option, QSize size, const QWidget* widget) const
{
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (tab == nullptr)
        return 0;
    QStyleOptionTab probe = *tab;
    probe.rect = QRect(QPoint(0, 0), size);
    const int room = subElementRect(SE_TabBarTabText, &probe, widget).width();
    // Some styles set the current tab in bold: any tab may become the current one.
    QFont bold = widget != nullptr ? widget->font() : QApplication::font();
    bold.setBold(true);
    const int text = std::max(probe.fontMetrics.horizontalAdvance(tab->text),
                              QFontMetrics(bold).horizontalAdvance(tab->text));
    return std::max(room - text, 0);
}

int CompactTabStyle::FitTabs(QTabBar& tabs)
{
    // The bar measures its tabs again when told its style changed.
    const auto remeasure = [&tabs] {
        QEvent changed(QEvent::StyleChange);
        QApplication::sendEvent(&tabs, &changed);
    };
    if (shrink_ != 0) {
        shrink_ = 0;
        remeasure();
    }
    // Measured from the first tab, so a strip scrolled to its current tab measures the same.
    const auto extent = [&tabs] {
        return tabs.count() > 0
                   ? tabs.tabRect(tabs.count() - 1).right() + 1 - tabs.tabRect(0).left()
                   : 0;
    };
    const int excess = extent() - tabs.width();
    if (excess <= 0)
        return 0;
    // Each measuring lays out every tab, so the least shrink that fits is found by halving;
    // tabs that do not fit even when down to their text scroll.
    shrink_ = excess;
    remeasure();
    if (extent() > tabs.width())
        return extent() - tabs.width();
    int fits = excess;
    int tooLittle = 0;
    while (fits - tooLittle > 1) {
        shrink_ = tooLittle + (fits - tooLittle) / 2;
        remeasure();
        (extent() > tabs.width() ? tooLittle : fits) = shrink_;
    }
    if (shrink_ != fits) {
        shrink_ = fits;
        remeasure();
    }
    return 0;
}

}  // namespace razzlewick
