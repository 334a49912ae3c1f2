#pragma once

#include "ui/EdgeContrastStyle.h"

class QTabBar;

namespace razzlewick {

// The application's style with narrower tabs, so the four style tabs fit the strip the
// window's layout gives them instead of needing scroll buttons; more tabs than fit scroll,
// with buttons as tall as the headers (the bar here spans the whole page below them).
class CompactTabStyle final : public EdgeContrastStyle {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompactTabStyle)

public:
    CompactTabStyle();
    ~CompactTabStyle() override;

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;

    // For styles whose tabs are wide even without padding (a least width, wide margins):
    // while the last tab ends past the bar, takes room off each tab, never so much that its
    // text would no longer fit. Starts afresh each time, for tabs added or taken away.
    // Answers the width the bar still lacks for every tab to show, 0 when they all do.
    int FitTabs(QTabBar& tabs);

private:
    // Width a tab can give up and still show its whole text.
    int Slack(const QStyleOption* option, QSize size, const QWidget* widget) const;

    int shrink_ = 0;
};

}  // namespace razzlewick
