#include "ui/ArrowButton.h"

#include <QImage>

#include <gtest/gtest.h>

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
    // The left edge (0, 0)..(0, H) is lit when raised and in shadow when pressed.
    EXPECT_EQ(button.grab().toImage().pixel(0, 5), light.rgb());
    button.setDown(true);
    EXPECT_EQ(button.grab().toImage().pixel(0, 5), shadow.rgb());
}

}  // namespace
