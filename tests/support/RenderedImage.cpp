#include "tests/support/RenderedImage.h"

#include "ui/Contrast.h"

#include <QPixmap>

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace razzlewick;

namespace guitest {

QImage AsShown(QWidget& widget)
{
    return Masked(widget.grab(), widget.mask());
}

QImage Masked(const QPixmap& picture, const QRegion& mask)
{
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    if (mask.isEmpty())
        return image;
    // The mask is in logical pixels; the window system scales each of its rectangles.
    const qreal ratio = picture.devicePixelRatio();
    QRegion shown;
    for (const QRect& rect : mask)
        shown |= QRect(rect.topLeft() * ratio, rect.size() * ratio);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!shown.contains(QPoint(x, y)))
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
        }
    }
    return image;
}

QRgb FirstShown(const QImage& image, QPoint from, QPoint step, QRgb passOver)
{
    for (QPoint p = from; image.rect().contains(p); p += step) {
        if (qAlpha(image.pixel(p)) != 0 && image.pixel(p) != passOver)
            return image.pixel(p);
    }
    return qRgba(0, 0, 0, 0);
}

QPalette DarkPalette()
{
    QPalette palette(QColor(0x32, 0x32, 0x32), QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::Light, QColor(0x4b, 0x4b, 0x4b));
    palette.setColor(QPalette::Midlight, QColor(0x2a, 0x2a, 0x2a));
    palette.setColor(QPalette::Dark, QColor(0x21, 0x21, 0x21));
    palette.setColor(QPalette::Shadow, QColor(0x19, 0x19, 0x19));
    palette.setColor(QPalette::ButtonText, QColor(0xf0, 0xf0, 0xf0));
    palette.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
    palette.setColor(QPalette::Link, QColor(0x30, 0x8c, 0xc6));
    palette.setColor(QPalette::LinkVisited, QColor(0x1b, 0x6a, 0xcb));
    return palette;
}

bool StaysInside(const QImage& image, QPoint start, const std::function<bool(QRgb)>& passes)
{
    std::vector<bool> seen(static_cast<size_t>(image.width()) * image.height(), false);
    std::vector<QPoint> pending = {start};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        if (!image.rect().contains(p))
            return false;
        const size_t index = static_cast<size_t>(p.y()) * image.width() + p.x();
        if (seen[index])
            continue;
        seen[index] = true;
        const QRgb pixel = image.pixel(p);
        if (qAlpha(pixel) == 0)
            return false;
        if (!passes(pixel))
            continue;
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            pending.push_back(p + step);
    }
    return true;
}

double UniformBlockShare(const QImage& image, QRect area, QRgb background)
{
    int inked = 0;
    int uniform = 0;
    for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2) {
        for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
            const QRgb a = image.pixel(x, y);
            const QRgb b = image.pixel(x + 1, y);
            const QRgb c = image.pixel(x, y + 1);
            const QRgb d = image.pixel(x + 1, y + 1);
            if (a == background && b == background && c == background && d == background)
                continue;
            ++inked;
            if (a == b && b == c && c == d)
                ++uniform;
        }
    }
    return inked == 0 ? 0.0 : static_cast<double>(uniform) / inked;
}

QRect InkBounds(const QImage& image, QRect area, QRgb background, int tolerance)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (std::abs(qGray(image.pixel(x, y)) - qGray(background)) > tolerance)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QRect UnlikeRow(const QImage& image, QRect area, int reference)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != image.pixel(x, reference))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

double InkContrast(const QImage& image, QRect area, QRgb background)
{
    double best = 1.0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            best = std::max(best, ContrastRatio(QColor(image.pixel(x, y)), QColor(background)));
        }
    }
    return best;
}

}  // namespace guitest
