#pragma once

#include <QIcon>
#include <QLabel>
#include <QSize>
#include <QString>

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
    // Shows the picture in a file (SVG or PNG) fitted into the control, or the picture of
    // `fallbackId` when the file holds none. Kept like the resource pictures.
    void ShowPictureFile(const QString& path, int fallbackId);
    // Drops the pictures kept from files, which may have changed since.
    void ForgetPictureFiles();
    // Shows an icon at a size in logical pixels.
    void ShowIcon(const QIcon& icon, QSize size);
    // The resource number shown, 0 for an icon, a file's picture or nothing.
    int PictureId() const { return pictureId_; }
    // The file whose picture is shown, or empty.
    const QString& PictureFile() const { return pictureFile_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Draw();

    int imageId_ = 0;  // the template's picture; 0 once the control has shown
    int pictureId_ = 0;
    QString pictureFile_;
    int fallbackId_ = 0;
    QIcon icon_;
    QSize iconSize_;
    qreal drawnRatio_ = 0;  // the density of what is shown and kept
    std::map<int, QPixmap> drawn_;
    std::map<QString, QPixmap> drawnFiles_;
};

}  // namespace razzlewick
