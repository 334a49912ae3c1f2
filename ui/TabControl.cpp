#include "ui/TabControl.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

namespace razzlewick {

TabControl::TabControl(QWidget* parent) : QTabBar(parent)
{
    // The pane frame carries the line under the headers.
    setDrawBase(false);
    setExpanding(false);
}

TabControl::~TabControl() = default;

QRect TabControl::HeadersRect() const
{
    QRect headers;
    for (int i = 0; i < count(); ++i)
        headers |= tabRect(i);
    return headers;
}

QRect TabControl::PaneRect() const
{
    const QRect headers = HeadersRect();
    // The headers overlap the frame's top edge by as much as the style wants, so the
    // selected one joins the page below it.
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    const int top = headers.isEmpty() ? 0 : std::max(headers.bottom() + 1 - overlap, 0);
    return rect().adjusted(0, top, 0, 0);
}

void TabControl::paintEvent(QPaintEvent* event)
{
    {
        QStylePainter painter(this);
        QStyleOptionTabWidgetFrame frame;
        frame.initFrom(this);
        frame.rect = PaneRect();
        frame.shape = shape();
        frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        frame.tabBarRect = HeadersRect();
        frame.tabBarSize = frame.tabBarRect.size();
        frame.selectedTabRect = currentIndex() >= 0 ? tabRect(currentIndex()) : QRect();
        painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
    }
    QTabBar::paintEvent(event);
}

}  // namespace razzlewick
