#include "ui/Pictures.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace razzlewick;

namespace {

// The program icon at the sizes drawn for it has whole-pixel edges: no pixel is part
// covered, as a picture scaled down would leave its outline and frown.
TEST(ProgramIcon, SmallSizesAreDrawnOnWholePixels)
{
    const QIcon icon = ProgramIcon();
    for (const int side : {16, 22, 24, 32}) {
        const QImage image =
            icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(side, side));
        int opaque = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                EXPECT_TRUE(alpha <= 25 || alpha >= 230)
                    << side << " px, pixel " << x << "," << y << ": alpha " << alpha;
                opaque += alpha >= 230 ? 1 : 0;
            }
        }
        EXPECT_GT(opaque, side * side / 2) << side << " px";
    }
}

}  // namespace
