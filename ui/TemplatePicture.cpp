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
    icon_ = QIcon();
    Draw();
}

void TemplatePicture::ShowIcon(const QIcon& icon, QSize size)
{
    pictureId_ = 0;
    icon_ = icon;
    iconSize_ = size;
    Draw();
}

void TemplatePicture::Draw()
{
    const qreal ratio = devicePixelRatioF();
    if (ratio != drawnRatio_)
        drawn_.clear();
    drawnRatio_ = ratio;
    if (pictureId_ != 0) {
        auto found = drawn_.find(pictureId_);
        if (found == drawn_.end())
            found = drawn_.emplace(pictureId_, LoadPicture(pictureId_, ratio)).first;
        setPixmap(found->second);
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
