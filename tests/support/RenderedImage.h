#pragma once

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <functional>

// Measurements on what a widget really shows, at the screen's pixel density: its grab with
// the pixels its window mask cuts away made transparent.
namespace guitest {

QImage AsShown(QWidget& widget);
// The same for a picture of a widget and the mask its window would have.
QImage Masked(const QPixmap& picture, const QRegion& mask);

// The first shown pixel met walking from `from` by `step` (device pixels), passing over
// pixels of the colour `passOver` (the window behind a widget); transparent when there is
// none.
QRgb FirstShown(const QImage& image, QPoint from, QPoint step, QRgb passOver = 0);

// A dark palette as desktops give one: light text, a dark window and buttons, and link
// colours that do not reach text contrast on it by themselves.
QPalette DarkPalette();

// Fills from `start` (device pixels) through the pixels `passes` accepts; true when the
// fill stays inside, false when it reaches a transparent pixel or the image's border.
bool StaysInside(const QImage& image, QPoint start, const std::function<bool(QRgb)>& passes);

// Of the aligned 2x2 blocks in `area` (device pixels) that hold anything but `background`,
// the share whose four pixels are all the same: 1 for a pixel-doubled picture.
double UniformBlockShare(const QImage& image, QRect area, QRgb background);

// The bounding box of the pixels in `area` that differ from `background` by more than
// `tolerance` in grey level.
QRect InkBounds(const QImage& image, QRect area, QRgb background, int tolerance = 24);

// The bounding box of the pixels in `area` (device pixels) that differ from the pixel of
// their column on row `reference`: empty where every column of `area` continues that row.
QRect UnlikeRow(const QImage& image, QRect area, int reference);

// The contrast of the ink in `area` against `background`: that of the pixel that stands
// out most, as a reader's eye takes the strokes' cores.
double InkContrast(const QImage& image, QRect area, QRgb background);

}  // namespace guitest
