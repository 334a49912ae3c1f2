#include "ui/Pictures.h"

#include "resources/templates/ResourceIds.h"

#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <algorithm>
#include <iterator>
#include <map>
#include <utility>

namespace razzlewick {

namespace {

QPixmap Render(QSvgRenderer& renderer, QSize size, qreal pixelRatio = 1.0)
{
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // Into the logical bounds: left to itself the renderer fills the device's pixels, which
    // a denser pixmap has more of than its logical size.
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QString ResourcePath(int resourceId)
{
    return QStringLiteral(":/images/%1.svg").arg(resourceId);
}

// The small sizes of the program icon, drawn pixel by pixel: scaled down, the picture's
// edges and frown would fall between pixels and blur.
constexpr int kDrawnIconSizes[] = {16, 22, 24, 32};

QString DrawnIconPath(int resourceId, QSize size)
{
    const bool drawn = size.width() == size.height() &&
                       std::find(std::begin(kDrawnIconSizes), std::end(kDrawnIconSizes),
                                 size.width()) != std::end(kDrawnIconSizes);
    return drawn ? QStringLiteral(":/images/%1-%2.png").arg(resourceId).arg(size.width())
                 : QString();
}

// Draws the icon's picture at a size only when that size is first asked for: start-up
// then pays for no drawing at all until a window manager or a dialog wants the icon.
class LazySvgIconEngine final : public QIconEngine {
public:
    explicit LazySvgIconEngine(int resourceId) : resourceId_(resourceId) {}

    QIconEngine* clone() const override { return new LazySvgIconEngine(resourceId_); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const auto cached = cache_.find(size);
        if (cached != cache_.end())
            return cached->second;
        QPixmap drawn;
        if (const QString path = DrawnIconPath(resourceId_, size); !path.isEmpty()) {
            drawn.load(path, "png");
        } else {
            QSvgRenderer renderer(ResourcePath(resourceId_));
            if (renderer.isValid())
                drawn = Render(renderer, size);
        }
        cache_.emplace(size, drawn);
        return drawn;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : kDrawnIconSizes)
            sizes.append(QSize(side, side));
        return sizes + QList<QSize>{QSize(48, 48), QSize(128, 128)};
    }

private:
    struct SizeLess {
        bool operator()(const QSize& a, const QSize& b) const
        {
            return a.width() != b.width() ? a.width() < b.width() : a.height() < b.height();
        }
    };
    int resourceId_;
    std::map<QSize, QPixmap, SizeLess> cache_;
};

}  // namespace

QPixmap LoadPicture(int resourceId, qreal pixelRatio)
{
    QSvgRenderer renderer(ResourcePath(resourceId));
    if (!renderer.isValid())
        return {};
    return Render(renderer, renderer.defaultSize(), pixelRatio);
}

QPixmap LoadPictureFile(const QString& path, QSize box, qreal pixelRatio)
{
    const QFileInfo file(path);
    if (!file.isFile() || file.size() > kLargestPictureFile || box.isEmpty())
        return {};
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer renderer(path);
        if (!renderer.isValid() || renderer.defaultSize().isEmpty())
            return {};
        return Render(renderer, renderer.defaultSize().scaled(box, Qt::KeepAspectRatio),
                      pixelRatio);
    }
    QImageReader reader(path, "png");
    QImage image = reader.read();
    if (image.isNull())
        return {};
    QPixmap pixmap =
        QPixmap::fromImage(image.scaled(image.size().scaled(box * pixelRatio, Qt::KeepAspectRatio),
                                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}

QIcon ProgramIcon()
{
    return QIcon(new LazySvgIconEngine(IDI_PROGRAM));
}

}  // namespace razzlewick
