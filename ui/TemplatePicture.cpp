#include "ui/TemplatePicture.h"

#include "ui/Pictures.h"

#include <QPixmap>

namespace razzlewick {

TemplatePicture::TemplatePicture(int imageId, QWidget* parent) : QLabel(parent), imageId_(imageId)
{
}

TemplatePicture::~TemplatePicture() = default;

void TemplatePicture::showEvent(QShowEvent* event)
{
    if (imageId_ != 0 && pixmap().isNull())
        setPixmap(LoadPicture(imageId_));
    imageId_ = 0;  // shown once: from now on the picture is the dialog's business
    QLabel::showEvent(event);
}

}  // namespace razzlewick
