#include "ui/TemplatePicture.h"

#include <QFile>
#include <QPixmap>
#include <QString>

namespace {

// Pictures are compiled in under their resource numbers.
QPixmap ResourcePixmap(int imageId)
{
    for (const char* extension : {".svg", ".png"}) {
        const QString path =
            QStringLiteral(":/images/%1%2").arg(imageId).arg(QLatin1String(extension));
        if (QFile::exists(path))
            return QPixmap(path);
    }
    return {};
}

}  // namespace

TemplatePicture::TemplatePicture(int imageId, QWidget* parent) : QLabel(parent), imageId_(imageId)
{
}

TemplatePicture::~TemplatePicture() = default;

void TemplatePicture::showEvent(QShowEvent* event)
{
    if (imageId_ != 0 && pixmap().isNull())
        setPixmap(ResourcePixmap(imageId_));
    imageId_ = 0;  // shown once: from now on the picture is the dialog's business
    QLabel::showEvent(event);
}
