#pragma once

#include <QIcon>
#include <QLabel>
#include <QSize>

#include <map>

namespace razzlewick {

// A static bitmap or icon control of a template. Its picture is drawn the first time the
// control shows, and only if its dialog has not put another picture in its place by then:
// the main window swaps in its style's picture at once, and drawing the template's own
// would be wasted start-up time. Pictures are drawn at the pixel density of the screen the
// control is on, and drawn again when its window moves to a screen of another density.
class TemplatePicture final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TemplatePicture)

public:
    TemplatePicture(int imageId, QWidget* parent);
    ~TemplatePicture() override;

    // Shows the picture of that resource number (drawn once per density and kept, so going
    // back to a picture shown before costs nothing).
    void ShowPicture(int resourceId);
    // Shows an icon at a size in logical pixels.
    void ShowIcon(const QIcon& icon, QSize size);
    // The resource number shown, 0 for an icon or nothing.
    int PictureId() const { return pictureId_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Draw();

    int imageId_ = 0;  // the template's picture; 0 once the control has shown
    int pictureId_ = 0;
    QIcon icon_;
    QSize iconSize_;
    qreal drawnRatio_ = 0;  // the density of what is shown and kept
    std::map<int, QPixmap> drawn_;
};

}  // namespace razzlewick
