#include "ui/Pictures.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace razzlewick;

namespace {

// The program icon at the sizes drawn for it has no part-covered pixel to blur its edges.
TEST(ProgramIcon, SmallSizesAreDrawnOnWholePixels)
{
    for (const int side : {16, 22, 24, 32}) {
        const QImage image = ProgramIcon().pixmap(side).toImage();
        ASSERT_EQ(image.size(), QSize(side, side));
        for (int i = 0; i < side * side; ++i) {
            const int alpha = qAlpha(image.pixel(i % side, i / side));
            EXPECT_TRUE(alpha <= 25 || alpha >= 230) << side << " px, pixel " << i;
        }
    }
}

}  // namespace
