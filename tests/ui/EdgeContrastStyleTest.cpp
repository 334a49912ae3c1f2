#include "ui/EdgeContrastStyle.h"

#include "tests/support/RenderedImage.h"
#include "ui/Contrast.h"

#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

using namespace razzlewick;

namespace {

// The element drawn with the option of its kind, as a control would draw it.
QImage Drawn(const QStyle& style, QStyle::PrimitiveElement element, const QPalette& palette)
{
    QWidget window;
    window.setPalette(palette);
    QStyleOptionButton button;
    QStyleOptionFrame frame;
    frame.lineWidth = 1;
    QStyleOptionTabWidgetFrame page;
    QStyleOption& option = element == QStyle::PE_PanelLineEdit    ? frame
                           : element == QStyle::PE_FrameTabWidget ? static_cast<QStyleOption&>(page)
                                                                  : button;
    option.initFrom(&window);
    option.state |= QStyle::State_Off;
    option.rect = QRect(2, 2, 20, 16);
    QImage image(24, 20, QImage::Format_ARGB32_Premultiplied);
    image.fill(palette.color(QPalette::Window));
    QPainter painter(&image);
    style.drawPrimitive(element, &option, &painter, &window);
    return image;
}

// In a light window the controls are drawn exactly as the style draws them; in a dark one
// their outermost pixels stand out from the window at 3:1.
TEST(EdgeContrastStyle, PullsEdgesInDarkWindowsOnly)
{
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
    const EdgeContrastStyle edges;
    for (const auto element : {QStyle::PE_IndicatorCheckBox, QStyle::PE_PanelLineEdit,
                               QStyle::PE_FrameTabWidget, QStyle::PE_PanelButtonBevel}) {
        EXPECT_EQ(Drawn(*plain, element, QPalette()), Drawn(edges, element, QPalette())) << element;
        const QImage dark = Drawn(edges, element, guitest::DarkPalette());
        const QRgb window = guitest::DarkPalette().color(QPalette::Window).rgb();
        for (const auto& [from, step] :
             {std::pair(QPoint(0, 10), QPoint(1, 0)), std::pair(QPoint(12, 0), QPoint(0, 1))}) {
            const QColor edge(guitest::FirstShown(dark, from, step, window));
            EXPECT_GE(ContrastRatio(edge, QColor(window)), kEdgeContrast) << element;
        }
    }
}

// A dark square on a transparent layer, touching its bottom border, a faint shadow pixel
// beside it: which pixels the pull reaches.
TEST(EdgeContrastStyle, PullsTheRingAlongWhatWasDrawn)
{
    const QColor behind(0x32, 0x32, 0x32);
    const struct {
        const char* what;
        int depth;
        Qt::Edges open;
        QPoint pixel;
        bool pulled;
    } rows[] = {
        {"outermost pixel", 1, {}, QPoint(1, 4), true},
        {"next one in, depth 1", 1, {}, QPoint(2, 4), false},
        {"next one in, depth 2", 2, {}, QPoint(2, 4), true},
        {"on the border", 1, {}, QPoint(4, 7), true},
        {"on the open border", 1, Qt::BottomEdge, QPoint(4, 7), false},
        {"faint shadow", 1, {}, QPoint(0, 4), false},
    };
    for (const auto& row : rows) {
        QImage layer(10, 8, QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        QPainter(&layer).fillRect(QRect(1, 1, 8, 7), QColor(0x26, 0x26, 0x26));
        layer.setPixel(0, 4, qRgba(0, 0, 0, 60));
        const QRgb before = layer.pixel(row.pixel);
        EdgeContrastStyle::PullEdge(layer, behind, row.depth, row.open);
        EXPECT_EQ(layer.pixel(row.pixel) != before, row.pulled) << row.what;
        if (row.pulled) {
            EXPECT_GE(ContrastRatio(layer.pixelColor(row.pixel), behind), kEdgeContrast);
        }
    }
}

}  // namespace
