#pragma once

#include <QColor>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace razzlewick {

// A tab control as dialogs know it: the tab headers along the top and, over the rest of
// its rectangle, the style's page frame joined to the selected header. The pages are the
// controls that sit on it; the control itself only draws.
class TabControl final : public QTabBar {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TabControl)

public:
    explicit TabControl(QWidget* parent = nullptr);
    ~TabControl() override;

    // The page area below the headers, where the frame is drawn.
    QRect PaneRect() const;
    // The first row inside the page's frame: controls placed on the page start here or
    // below, or they cover the headers' foot.
    int PageTop() const;
    // The colour the style fills the page with: what controls on the page stand on.
    QColor PaneColour() const;

protected:
    void initStyleOption(QStyleOptionTab* option, int tabIndex) const override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    QRect HeadersRect() const;
    QStyleOptionTabWidgetFrame PaneOption(const QRect& rect) const;
    // The pane frame, only where it falls inside `clip`.
    void PaintPane(const QRect& clip);
    // The strip some styles draw behind the headers, down to the page's top edge.
    void PaintStrip(int stripHeight);

    bool styleDrawsStrip_ = false;
};

}  // namespace razzlewick
