#include "ui/EdgeContrastStyle.h"

#include "tests/support/RenderedImage.h"
#include "ui/Contrast.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace razzlewick;

namespace {

QImage Drawn(const QStyle& style, QStyle::PrimitiveElement element, const QPalette& palette)
{
    QWidget window;
    window.setPalette(palette);
    QStyleOptionButton box;  // as a check box or spin arrow is drawn
    QStyleOptionFrame edit;
    edit.lineWidth = 1;
    QStyleOption& option =
        element == QStyle::PE_PanelLineEdit ? static_cast<QStyleOption&>(edit) : box;
    option.initFrom(&window);
    option.rect = QRect(2, 2, 20, 16);
    QImage image(24, 20, QImage::Format_ARGB32_Premultiplied);
    image.fill(palette.color(QPalette::Window));
    QPainter painter(&image);
    style.drawPrimitive(element, &option, &painter, &window);
    return image;
}

// In a light window controls are drawn as the style draws them; in a dark one their edge
// stands out from the window at 3:1.
TEST(EdgeContrastStyle, PullsEdgesInDarkWindowsOnly)
{
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
    const EdgeContrastStyle edges;
    const QRgb window = guitest::DarkPalette().color(QPalette::Window).rgb();
    for (const auto element :
         {QStyle::PE_IndicatorCheckBox, QStyle::PE_PanelLineEdit, QStyle::PE_PanelButtonBevel}) {
        EXPECT_EQ(Drawn(*plain, element, QPalette()), Drawn(edges, element, QPalette()));
        const QImage dark = Drawn(edges, element, guitest::DarkPalette());
        const QColor edge(guitest::FirstShown(dark, QPoint(0, 10), QPoint(1, 0), window));
        EXPECT_GE(ContrastRatio(edge, QColor(window)), kEdgeContrast) << element;
    }
}

// A dark square on a transparent layer, on its bottom border, a faint shadow beside it:
// which pixels the pull reaches, one or two deep, with the bottom border open or not.
TEST(EdgeContrastStyle, PullsTheRingAlongWhatWasDrawn)
{
    const auto pulled = [](int depth, Qt::Edges open, QPoint pixel) {
        QImage layer(10, 8, QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        QPainter(&layer).fillRect(QRect(1, 1, 8, 7), QColor(0x26, 0x26, 0x26));
        layer.setPixel(0, 4, qRgba(0, 0, 0, 60));
        const QRgb before = layer.pixel(pixel);
        EdgeContrastStyle::PullEdge(layer, QColor(0x32, 0x32, 0x32), depth, open);
        return layer.pixel(pixel) != before;
    };
    EXPECT_TRUE(pulled(1, {}, QPoint(1, 4)));   // the outermost pixel
    EXPECT_FALSE(pulled(1, {}, QPoint(2, 4)));  // the next one in
    EXPECT_TRUE(pulled(2, {}, QPoint(2, 4)));
    EXPECT_TRUE(pulled(1, {}, QPoint(4, 7)));  // on the border
    EXPECT_FALSE(pulled(1, Qt::BottomEdge, QPoint(4, 7)));
    EXPECT_FALSE(pulled(1, {}, QPoint(0, 4)));  // the shadow
}

}  // namespace
