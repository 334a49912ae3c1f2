#include "ui/ArrowButton.h"

#include "tests/support/RenderedImage.h"
#include "ui/Contrast.h"

#include <QImage>

#include <gtest/gtest.h>

#include <vector>

using namespace razzlewick;

namespace {

struct ShapeRow {
    const char* name;
    QSize before;
    int side;
};

class ArrowButtonShape : public ::testing::TestWithParam<ShapeRow> {};

TEST_P(ArrowButtonShape, SquaresToTheEvenSmallerSide)
{
    ArrowButton button;
    button.resize(GetParam().before);
    button.Shape();
    EXPECT_EQ(button.size(), QSize(GetParam().side, GetParam().side));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ArrowButtonShape,
                         ::testing::Values(ShapeRow{"wide", {16, 13}, 12},
                                           ShapeRow{"tall", {11, 20}, 10},
                                           ShapeRow{"evenSquare", {28, 28}, 28}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ArrowButton, StartsPointingRight)
{
    ArrowButton button;
    EXPECT_EQ(button.Direction(), ArrowDirection::Right);
    EXPECT_TRUE(button.text().isEmpty());
}

TEST(ArrowButton, MaskIsTheTriangleOfItsDirection)
{
    ArrowButton button;
    button.resize(28, 28);
    button.SetDirection(ArrowDirection::Left);
    // Left: (0, 14), (28, 0), (28, 28).
    EXPECT_TRUE(button.mask().contains(QPoint(26, 14)));
    EXPECT_TRUE(button.mask().contains(QPoint(3, 14)));
    EXPECT_FALSE(button.mask().contains(QPoint(2, 2)));
    EXPECT_FALSE(button.mask().contains(QPoint(2, 26)));

    button.SetDirection(ArrowDirection::Right);
    EXPECT_TRUE(button.mask().contains(QPoint(1, 14)));
    EXPECT_FALSE(button.mask().contains(QPoint(26, 2)));

    const QRegion before = button.mask();
    button.SetDirection(ArrowDirection::Right);
    EXPECT_EQ(button.mask(), before);

    button.SetDirection(ArrowDirection::Up);
    EXPECT_TRUE(button.mask().contains(QPoint(14, 26)));
    EXPECT_FALSE(button.mask().contains(QPoint(2, 2)));
    button.SetDirection(ArrowDirection::Down);
    EXPECT_TRUE(button.mask().contains(QPoint(14, 2)));
    EXPECT_FALSE(button.mask().contains(QPoint(2, 26)));
}

TEST(ArrowButton, RaisedAndPressedEdgesSwapLightAndShadow)
{
    ArrowButton button;
    button.resize(24, 24);
    button.SetDirection(ArrowDirection::Right);
    const QColor light = button.palette().color(QPalette::Light);
    const QColor shadow = button.palette().color(QPalette::Dark);
    // Inside the outline, the left side's bevel is lit when raised and in shadow when pressed.
    EXPECT_EQ(button.grab().toImage().pixel(1, 12), light.rgb());
    button.setDown(true);
    EXPECT_EQ(button.grab().toImage().pixel(1, 12), shadow.rgb());
}

// Lit from the upper left: a side facing more up or left than down or right is light when
// raised, and every side swaps when pressed. Each slanted side is walked across inside the
// outline, on a 24-pixel arrow.
TEST(ArrowButton, EverySideIsLitOrShadedByTheWayItFaces)
{
    struct Crossing {
        QPoint from;
        QPoint step;
        bool lit;  // when raised
    };
    const struct {
        ArrowDirection direction;
        std::vector<Crossing> sides;
    } rows[] = {
        {ArrowDirection::Right,
         {{{8, 0}, {0, 1}, true}, {{8, 23}, {0, -1}, false}, {{0, 12}, {1, 0}, true}}},
        {ArrowDirection::Left,
         {{{16, 0}, {0, 1}, true}, {{16, 23}, {0, -1}, false}, {{23, 12}, {-1, 0}, false}}},
        {ArrowDirection::Up,
         {{{0, 16}, {1, 0}, true}, {{23, 16}, {-1, 0}, false}, {{12, 23}, {0, -1}, false}}},
        {ArrowDirection::Down,
         {{{0, 8}, {1, 0}, true}, {{23, 8}, {-1, 0}, false}, {{12, 0}, {0, 1}, true}}},
    };
    for (const auto& row : rows) {
        for (const bool pressed : {false, true}) {
            ArrowButton button;
            button.resize(24, 24);
            button.SetDirection(row.direction);
            button.setDown(pressed);
            const QRgb light = button.palette().color(QPalette::Light).rgb();
            const QRgb shadow = button.palette().color(QPalette::Dark).rgb();
            const QImage shown = guitest::AsShown(button);
            // Past the window (where the mask is wider than the painted triangle) and the
            // outline lies the bevel.
            const QRgb window = button.palette().color(QPalette::Window).rgb();
            const QRgb outline = button.OutlineColour().rgb();
            for (const Crossing& side : row.sides) {
                QPoint p = side.from;
                while (shown.rect().contains(p) &&
                       (qAlpha(shown.pixel(p)) == 0 || shown.pixel(p) == window ||
                        shown.pixel(p) == outline)) {
                    p += side.step;
                }
                const QRgb bevel = shown.rect().contains(p) ? shown.pixel(p) : 0;
                EXPECT_EQ(bevel, side.lit != pressed ? light : shadow)
                    << "direction " << static_cast<int>(row.direction) << " pressed " << pressed
                    << " from " << side.from.x() << "," << side.from.y();
            }
        }
    }
}

class ArrowButtonPalette : public ::testing::TestWithParam<bool> {};

// Light and shadow alone left the raised arrow light grey on light grey: an outline all
// round, inside the triangle the window shows, stands out from the window in either palette.
TEST_P(ArrowButtonPalette, OutlineClosesInsideTheMaskAndStandsOutFromTheWindow)
{
    const bool dark = GetParam();
    for (const ArrowDirection direction : {ArrowDirection::Left, ArrowDirection::Right}) {
        for (const bool pressed : {false, true}) {
            ArrowButton button;
            if (dark)
                button.setPalette(guitest::DarkPalette());
            button.resize(20, 20);
            button.SetDirection(direction);
            button.setDown(pressed);
            const QColor outline = button.OutlineColour();
            EXPECT_GE(ContrastRatio(outline, button.palette().color(QPalette::Window)), 3.0);

            const QImage shown = guitest::AsShown(button);
            const bool closed = guitest::StaysInside(
                shown, QPoint(10, 10), [&outline](QRgb pixel) { return pixel != outline.rgb(); });
            EXPECT_TRUE(closed) << "direction " << static_cast<int>(direction) << " pressed "
                                << pressed;
            // Coming from the window, each side of the triangle begins with the outline.
            const QRgb window = button.palette().color(QPalette::Window).rgb();
            const int side = direction == ArrowDirection::Left ? 19 : 0;
            const QPoint inwards(side == 0 ? 1 : -1, 0);
            EXPECT_EQ(guitest::FirstShown(shown, QPoint(side, 10), inwards, window), outline.rgb());
            EXPECT_EQ(guitest::FirstShown(shown, QPoint(8, 0), QPoint(0, 1), window),
                      outline.rgb());
            EXPECT_EQ(guitest::FirstShown(shown, QPoint(8, 19), QPoint(0, -1), window),
                      outline.rgb());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Palettes, ArrowButtonPalette, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "dark" : "light"; });

}  // namespace
