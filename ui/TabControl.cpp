#include "ui/TabControl.h"

#include "ui/PartedControlAccessible.h"

#include <QImage>
#include <QPainter>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

namespace razzlewick {

TabControl::TabControl(QWidget* parent) : QTabBar(parent)
{
    PartedControlAccessible::Install();
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

void TabControl::initStyleOption(QStyleOptionTab* option, int tabIndex) const
{
    QTabBar::initStyleOption(option, tabIndex);
    // The headers open into a frame as a tab widget's do, so styles colour the selected
    // one like the page it joins rather than like the window.
    option->features |= QStyleOptionTab::HasFrame;
}

void TabControl::paintEvent(QPaintEvent* event)
{
    const QRect headers = HeadersRect();
    const int stripHeight = headers.isEmpty() ? 0 : headers.bottom() + 1;
    // A tab widget's headers are a widget of their own, which clips whatever a style paints
    // for them; some styles fill the selected header's foot, or the bar's background, far
    // below the headers. Here the pane is drawn again over them from their base line down,
    // so the page shows nothing of them, while above it the headers still cover the
    // frame's top edge where the selected one joins it.
    PaintPane(QRect(0, 0, width(), stripHeight));
    QTabBar::paintEvent(event);
    PaintPane(rect().adjusted(0, stripHeight, 0, 0));
}

QStyleOptionTabWidgetFrame TabControl::PaneOption(const QRect& rect) const
{
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect;
    frame.shape = shape();
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    frame.tabBarRect = HeadersRect();
    frame.tabBarSize = frame.tabBarRect.size();
    frame.selectedTabRect = currentIndex() >= 0 ? tabRect(currentIndex()) : QRect();
    return frame;
}

void TabControl::PaintPane(const QRect& clip)
{
    if (clip.isEmpty())
        return;
    QStylePainter painter(this);
    painter.setClipRect(clip);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, PaneOption(PaneRect()));
}

int TabControl::PageTop() const
{
    return PaneRect().top() + style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
}

QColor TabControl::PaneColour() const
{
    // Styles fill the page with a colour of their own, often not the window's: the middle
    // of a page drawn on its own says which.
    constexpr int kSide = 48;
    QImage page(kSide, kSide, QImage::Format_RGB32);
    page.fill(palette().color(QPalette::Window));
    QPainter painter(&page);
    QStyleOptionTabWidgetFrame frame = PaneOption(page.rect());
    // A page on its own: no header joins it, and none marks it.
    frame.tabBarRect = QRect();
    frame.tabBarSize = QSize();
    frame.selectedTabRect = QRect();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
    painter.end();
    return page.pixelColor(kSide / 2, kSide / 2);
}

}  // namespace razzlewick
