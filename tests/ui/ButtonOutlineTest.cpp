#include "ui/ButtonOutline.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace razzlewick;

namespace {

ButtonOutline Built(OutlineKind kind, int width, int height)
{
    ButtonOutline outline;
    outline.Build(kind, QRect(0, 0, width, height));
    return outline;
}

TEST(ButtonOutline, WideCapsuleHasTwoHalfCirclesAndClosingPoint)
{
    const ButtonOutline outline = Built(OutlineKind::Capsule, 90, 26);
    ASSERT_TRUE(outline.IsValid());
    for (int ring = 0; ring < ButtonOutline::kRingCount; ++ring) {
        EXPECT_EQ(outline.Ring(ring).size(), 15u) << "ring " << ring;
        EXPECT_EQ(outline.Ring(ring).front(), outline.Ring(ring).back()) << "ring " << ring;
    }
    // r = 12: starts at the top of the right end, half-way round is the bottom of it,
    // and the left end runs from its bottom back to its top.
    const auto& ring0 = outline.Ring(0);
    EXPECT_EQ(ring0[0], QPoint(77, 0));
    EXPECT_EQ(ring0[3], QPoint(89, 12));
    EXPECT_EQ(ring0[6], QPoint(77, 24));
    EXPECT_EQ(ring0[7], QPoint(12, 24));
    EXPECT_EQ(ring0[13], QPoint(12, 0));
    // Ring 3 lies 4 pixels inside ring 0.
    EXPECT_EQ(outline.Ring(3)[0], QPoint(77, 4));
    EXPECT_EQ(outline.Ring(3)[3], QPoint(85, 12));
}

TEST(ButtonOutline, TallCapsuleRunsAlongTheVerticalAxis)
{
    const ButtonOutline outline = Built(OutlineKind::Capsule, 20, 60);
    const auto& ring0 = outline.Ring(0);
    // r = 9, first centre (9, 50) starting at angle 0: its right-most point.
    EXPECT_EQ(ring0.front(), QPoint(18, 50));
    for (const QPoint& point : ring0) {
        EXPECT_GE(point.y(), 0);
        EXPECT_LE(point.y(), 59);
    }
}

TEST(ButtonOutline, SquareCapsuleWithEvenSideIsACircle)
{
    const ButtonOutline outline = Built(OutlineKind::Capsule, 25, 25);
    for (const QPoint& point : outline.Ring(0)) {
        EXPECT_NEAR(std::hypot(point.x() - 12, point.y() - 12), 12.0, 0.75)
            << point.x() << "," << point.y();
    }
}

TEST(ButtonOutline, BuildingAgainReplacesThePoints)
{
    ButtonOutline outline;
    outline.Build(OutlineKind::Capsule, QRect(0, 0, 90, 26));
    outline.Build(OutlineKind::Capsule, QRect(0, 0, 90, 26));
    for (int ring = 0; ring < ButtonOutline::kRingCount; ++ring) {
        EXPECT_EQ(outline.Ring(ring).size(), 15u);
    }
}

TEST(ButtonOutline, RectangleRingsAreInsetCorners)
{
    const ButtonOutline outline = Built(OutlineKind::Rectangle, 40, 20);
    EXPECT_EQ(outline.Ring(0), (std::vector<QPoint>{{0, 0}, {39, 0}, {39, 19}, {0, 19}, {0, 0}}));
    EXPECT_EQ(outline.Ring(3), (std::vector<QPoint>{{4, 4}, {35, 4}, {35, 15}, {4, 15}, {4, 4}}));
}

TEST(ButtonOutline, DiamondIsInscribedInTheCentredSquare)
{
    const ButtonOutline outline = Built(OutlineKind::Diamond, 41, 21);
    // R' = 40, B' = 20: the square spans x 10..30.
    EXPECT_EQ(outline.Ring(0),
              (std::vector<QPoint>{{10, 10}, {20, 0}, {30, 10}, {20, 20}, {10, 10}}));
    EXPECT_EQ(outline.Ring(2)[1], QPoint(20, 2));
}

TEST(ButtonOutline, CirclePointCountIsTheRadius)
{
    const ButtonOutline outline = Built(OutlineKind::Circle, 40, 20);
    // r = 9 from the shorter side: nine points plus the closing one.
    EXPECT_EQ(outline.Ring(0).size(), 10u);
    EXPECT_EQ(outline.Ring(0).front(), QPoint(28, 9));
}

TEST(ButtonOutline, TinyCircleHasNoPoints)
{
    EXPECT_FALSE(Built(OutlineKind::Circle, 2, 30).IsValid());
    EXPECT_FALSE(Built(OutlineKind::Circle, 30, 2).IsValid());
    EXPECT_TRUE(Built(OutlineKind::Circle, 30, 30).IsValid());
}

TEST(ButtonOutline, RegionFollowsRingZero)
{
    const QRegion region = Built(OutlineKind::Capsule, 90, 26).RingRegion(0);
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(89, 25)));
    EXPECT_TRUE(region.contains(QPoint(45, 13)));
    EXPECT_TRUE(region.contains(QPoint(2, 12)));
}

}  // namespace
