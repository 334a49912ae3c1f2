#include "ui/TemplatePicture.h"

#include "ui/Pictures.h"

#include <QEvent>
#include <QPixmap>

namespace razzlewick {

TemplatePicture::TemplatePicture(int imageId, QWidget* parent) : QLabel(parent), imageId_(imageId)
{
}

TemplatePicture::~TemplatePicture() = default;

void TemplatePicture::ShowPicture(int resourceId)
{
    pictureId_ = resourceId;
    pictureFile_.clear();
    icon_ = QIcon();
    Draw();
}

void TemplatePicture::ShowPictureFile(const QString& path, int fallbackId)
{
    pictureId_ = 0;
    pictureFile_ = path;
    fallbackId_ = fallbackId;
    icon_ = QIcon();
    Draw();
}

void TemplatePicture::ForgetPictureFiles()
{
    drawnFiles_.clear();
}

void TemplatePicture::ShowIcon(const QIcon& icon, QSize size)
{
    pictureId_ = 0;
    pictureFile_.clear();
    icon_ = icon;
    iconSize_ = size;
    Draw();
}

void TemplatePicture::Draw()
{
    const qreal ratio = devicePixelRatioF();
    if (ratio != drawnRatio_) {
        drawn_.clear();
        drawnFiles_.clear();
    }
    drawnRatio_ = ratio;
    const auto resourcePicture = [this, ratio](int id) {
        auto found = drawn_.find(id);
        if (found == drawn_.end())
            found = drawn_.emplace(id, LoadPicture(id, ratio)).first;
        return found->second;
    };
    if (pictureId_ != 0) {
        setPixmap(resourcePicture(pictureId_));
    } else if (!pictureFile_.isEmpty()) {
        auto found = drawnFiles_.find(pictureFile_);
        if (found == drawnFiles_.end()) {
            found = drawnFiles_
                        .emplace(pictureFile_,
                                 LoadPictureFile(pictureFile_, contentsRect().size(), ratio))
                        .first;
        }
        setPixmap(found->second.isNull() ? resourcePicture(fallbackId_) : found->second);
    } else if (!icon_.isNull()) {
        setPixmap(icon_.pixmap(iconSize_, ratio));
    }
}

void TemplatePicture::showEvent(QShowEvent* event)
{
    if (imageId_ != 0 && pixmap().isNull())
        ShowPicture(imageId_);
    imageId_ = 0;  // shown once: from now on the picture is the dialog's business
    // Drawn before the window had a screen, perhaps for another one.
    if (drawnRatio_ != 0 && drawnRatio_ != devicePixelRatioF())
        Draw();
    QLabel::showEvent(event);
}

bool TemplatePicture::event(QEvent* event)
{
    // Qt tells every widget of a window that moved to another screen; newer versions also
    // when the screen itself changes its scale.
    bool densityMayHaveChanged = event->type() == QEvent::ScreenChangeInternal;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    densityMayHaveChanged =
        densityMayHaveChanged || event->type() == QEvent::DevicePixelRatioChange;
#endif
    if (densityMayHaveChanged && drawnRatio_ != 0 && drawnRatio_ != devicePixelRatioF())
        Draw();
    return QLabel::event(event);
}

}  // namespace razzlewick
