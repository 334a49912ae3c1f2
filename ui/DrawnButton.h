#pragma once

#include "ui/ButtonOutline.h"

#include <QPixmap>
#include <QPushButton>

namespace razzlewick {

struct ButtonColours;

// A push button cut to a polygon outline and painted as a shaded bevel lit from the upper
// left. Its normal, focused and pressed looks are rendered together into pixmaps when the
// outline is set, the enabled/default state or the palette changes, the window becomes
// active or inactive (palettes colour the two apart), or the window moves to a screen of
// another pixel density; a paint only copies one of them.
class DrawnButton final : public QPushButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DrawnButton)

public:
    explicit DrawnButton(QWidget* parent = nullptr);
    DrawnButton(const QString& text, QWidget* parent);
    ~DrawnButton() override;

    // Builds the outline from the current size and cuts the window to ring 0.
    void SetOutline(OutlineKind kind);

    const ButtonOutline& Outline() const { return outline_; }
    // How many times the three images were rendered.
    int RenderCount() const { return renderCount_; }

    // The pre-rendered images (empty before the first paint or Render()).
    const QPixmap& NormalImage() const { return normalImage_; }
    const QPixmap& FocusImage() const { return focusImage_; }
    const QPixmap& PressedImage() const { return pressedImage_; }

    // Renders now if the images are out of date, as a paint would.
    void EnsureRendered();

    // The colour of an edge from a to b, between dark (facing lower right) and light.
    static QColor Shade(QPoint a, QPoint b, QColor dark, QColor light);
    static QColor Blend(QColor c, QColor e);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct RenderState final {
        bool enabled = true;
        bool isDefault = false;
        // The palette's colours in force: those of an active or an inactive window.
        QPalette::ColorGroup colourGroup = QPalette::Active;
        qreal pixelRatio = 1.0;  // the screen's device pixels per logical pixel
        bool operator==(const RenderState&) const = default;
    };
    RenderState CurrentState() const;
    void Render();
    void RenderNormal(QPainter& painter, const ButtonColours& colours) const;
    void RenderFocused(QPainter& painter, const ButtonColours& colours) const;
    void RenderPressed(QPainter& painter, const ButtonColours& colours) const;
    void RenderText(QPainter& painter, const ButtonColours& colours, bool pressed) const;

    ButtonOutline outline_;
    QPixmap normalImage_;
    QPixmap focusImage_;
    QPixmap pressedImage_;
    RenderState renderedState_;
    bool dirty_ = true;
    int renderCount_ = 0;
};

}  // namespace razzlewick
