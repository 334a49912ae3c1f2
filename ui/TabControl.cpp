#include "ui/TabControl.h"

#include "ui/PartedControlAccessible.h"

#include <QAccessible>
#include <QImage>
#include <QPainter>
#include <QStyleOptionTab>
#include <QStyleOptionTabBarBase>
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

bool TabControl::event(QEvent* event)
{
    const bool handled = QTabBar::event(event);
    // Some styles turn a tab bar's base on as they polish it, to draw a strip behind the
    // headers; a bar drawing it would draw it over the whole control, page included, and
    // leave its edge along the page's foot. Here it is drawn behind the headers alone.
    if (event->type() == QEvent::Polish) {
        styleDrawsStrip_ = drawBase();
        setDrawBase(false);
    }
    return handled;
}

void TabControl::focusInEvent(QFocusEvent* event)
{
    QTabBar::focusInEvent(event);
    // Qt tells assistive tools that the control took the focus once this returns; then the
    // focus moves on to the current tab, as it does when the current tab changes, so a
    // screen reader says which one it is.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!hasFocus() || currentIndex() < 0 || !QAccessible::isActive())
                return;
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(currentIndex());
            QAccessible::updateAccessibility(&focus);
        },
        Qt::QueuedConnection);
}

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
    if (styleDrawsStrip_)
        PaintStrip(stripHeight);
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

void TabControl::PaintStrip(int stripHeight)
{
    QStyleOptionTabBarBase strip;
    strip.initFrom(this);
    strip.shape = shape();
    // One row into the page, whose top edge then covers the strip's foot.
    strip.rect = QRect(0, 0, width(), stripHeight + 1);
    strip.tabBarRect = HeadersRect();
    strip.selectedTabRect = currentIndex() >= 0 ? tabRect(currentIndex()) : QRect();
    QStylePainter painter(this);
    painter.drawPrimitive(QStyle::PE_FrameTabBarBase, strip);
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
