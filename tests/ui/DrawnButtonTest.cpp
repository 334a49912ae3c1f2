#include "ui/DrawnButton.h"

#include "tests/support/GuiTesting.h"
#include "tests/support/RenderedImage.h"
#include "ui/Contrast.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace razzlewick;

namespace {

struct ShadeRow {
    const char* name;
    QPoint a;
    QPoint b;
    int expectedGrey;
};

class DrawnButtonShade : public ::testing::TestWithParam<ShadeRow> {};

// Black as the dark colour and white as the light one, so the result is 255 * t.
TEST_P(DrawnButtonShade, EdgeColourFollowsItsDirection)
{
    const ShadeRow& row = GetParam();
    const QColor colour = DrawnButton::Shade(row.a, row.b, Qt::black, Qt::white);
    EXPECT_EQ(colour.red(), row.expectedGrey);
    EXPECT_EQ(colour.green(), row.expectedGrey);
    EXPECT_EQ(colour.blue(), row.expectedGrey);
}

INSTANTIATE_TEST_SUITE_P(Edges, DrawnButtonShade,
                         ::testing::Values(ShadeRow{"upperLeftDiagonal", {0, 10}, {10, 0}, 255},
                                           ShadeRow{"lowerRightDiagonal", {10, 0}, {0, 10}, 0},
                                           ShadeRow{"topGoingRight", {0, 0}, {10, 0}, 217},
                                           ShadeRow{"leftGoingUp", {0, 10}, {0, 0}, 217},
                                           ShadeRow{"bottomGoingLeft", {10, 10}, {0, 10}, 37},
                                           ShadeRow{"rightGoingDown", {10, 0}, {10, 10}, 37}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DrawnButton, BlendTruncatesTheMean)
{
    EXPECT_EQ(DrawnButton::Blend(QColor(10, 20, 31), QColor(11, 20, 30)), QColor(10, 20, 30));
    EXPECT_EQ(DrawnButton::Blend(QColor(0, 0, 0), QColor(255, 255, 255)), QColor(127, 127, 127));
}

std::unique_ptr<DrawnButton> CapsuleButton(const QString& text = QStringLiteral("&Again"))
{
    auto button = std::make_unique<DrawnButton>(text, nullptr);
    button->resize(90, 26);
    button->SetOutline(OutlineKind::Capsule);
    return button;
}

TEST(DrawnButton, PaintingAnUnchangedButtonCopiesTheImages)
{
    auto button = CapsuleButton();
    button->grab();
    EXPECT_EQ(button->RenderCount(), 1);
    button->grab();
    button->setDown(true);
    button->grab();
    button->setDown(false);
    button->setText(QStringLiteral("Other"));  // a caption alone does not re-render
    button->grab();
    EXPECT_EQ(button->RenderCount(), 1);

    button->setEnabled(false);
    button->grab();
    EXPECT_EQ(button->RenderCount(), 2);
    button->setDefault(true);
    button->grab();
    EXPECT_EQ(button->RenderCount(), 3);
    button->SetOutline(OutlineKind::Capsule);
    button->grab();
    EXPECT_EQ(button->RenderCount(), 4);
}

// A desktop switched to a dark theme while the program runs: buttons already painted are
// drawn again in the new colours, not copied from the images of the old ones.
TEST(DrawnButton, APaletteChangedAfterTheFirstPaintIsPaintedInItsColours)
{
    auto button = CapsuleButton(QString());
    const QPoint face(45, 13);
    EXPECT_EQ(button->grab().toImage().pixel(face),
              button->palette().color(QPalette::Button).rgb());
    const QPalette dark = guitest::DarkPalette();
    button->setPalette(dark);
    EXPECT_EQ(button->grab().toImage().pixel(face), dark.color(QPalette::Button).rgb());
}

TEST(DrawnButton, PaintBeforeAnyOutlineUsesTheRectangle)
{
    DrawnButton button(QStringLiteral("Ok"), nullptr);
    button.resize(40, 20);
    button.grab();
    EXPECT_EQ(button.Outline().Ring(0).size(), 5u);
    EXPECT_EQ(button.Outline().Ring(0)[2], QPoint(39, 19));
}

TEST(DrawnButton, TinyCircleFallsBackToTheRectangle)
{
    DrawnButton button(QStringLiteral("x"), nullptr);
    button.resize(2, 10);
    button.SetOutline(OutlineKind::Circle);
    EXPECT_FALSE(button.Outline().IsValid());
    button.EnsureRendered();
    EXPECT_TRUE(button.Outline().IsValid());
    EXPECT_EQ(button.Outline().Ring(0).size(), 5u);
}

TEST(DrawnButton, MaskIsRingZero)
{
    auto button = CapsuleButton();
    EXPECT_FALSE(button->mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(button->mask().contains(QPoint(89, 0)));
    EXPECT_TRUE(button->mask().contains(QPoint(45, 13)));
    // Resizing keeps the outline that was set.
    button->resize(120, 40);
    EXPECT_EQ(button->Outline().Ring(0)[0], QPoint(77, 0));
}

TEST(DrawnButton, PressesOutsideTheOutlineDoNotReachIt)
{
    QWidget window;
    window.resize(200, 100);
    auto* button = new DrawnButton(QStringLiteral("Go"), &window);
    button->setGeometry(50, 30, 90, 26);
    button->SetOutline(OutlineKind::Capsule);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &QPushButton::clicked);
    guitest::ClickThroughWindow(button, QPoint(1, 1));
    EXPECT_EQ(clicks.count(), 0);
    guitest::ClickThroughWindow(button, QPoint(45, 13));
    EXPECT_EQ(clicks.count(), 1);
}

// Bounding box of the near-black pixels (the text) inside ring 3.
QRect TextBounds(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage();
    QRect bounds;
    for (int y = 5; y < image.height() - 5; ++y) {
        for (int x = 14; x < image.width() - 14; ++x) {
            if (qGray(image.pixel(x, y)) < 40)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

TEST(DrawnButton, PressedImageShiftsTheTextAndFocusAddsDarkOutline)
{
    auto button = CapsuleButton(QStringLiteral("Again"));
    button->EnsureRendered();
    const QRect normal = TextBounds(button->NormalImage());
    ASSERT_FALSE(normal.isEmpty());
    EXPECT_EQ(TextBounds(button->PressedImage()), normal.translated(1, 1));
    EXPECT_EQ(TextBounds(button->FocusImage()), normal);

    const QPalette& colours = button->palette();
    const QImage focus = button->FocusImage().toImage();
    const QImage pressed = button->PressedImage().toImage();
    // Top of ring 0 in the dark outline; top of ring 3 in the focus line colour.
    EXPECT_EQ(focus.pixel(45, 0), colours.color(QPalette::Shadow).rgb());
    EXPECT_EQ(
        focus.pixel(45, 4),
        DrawnButton::Blend(colours.color(QPalette::Dark), colours.color(QPalette::Button)).rgb());
    EXPECT_EQ(pressed.pixel(45, 0), colours.color(QPalette::Shadow).rgb());
    // The normal image's top edge is lit.
    const QImage normalImage = button->NormalImage().toImage();
    EXPECT_GT(qGray(normalImage.pixel(45, 0)), qGray(normalImage.pixel(45, 24)));
}

TEST(DrawnButton, DisabledTextIsEmbossedNotBlack)
{
    auto button = CapsuleButton(QStringLiteral("Again"));
    button->setEnabled(false);
    button->EnsureRendered();
    EXPECT_TRUE(TextBounds(button->NormalImage()).isEmpty());
    const QImage image = button->NormalImage().toImage();
    const QRgb dark = button->palette().color(QPalette::Dark).rgb();
    bool found = false;
    for (int y = 5; y < 21 && !found; ++y) {
        for (int x = 20; x < 70 && !found; ++x)
            found = image.pixel(x, y) == dark;
    }
    EXPECT_TRUE(found);
}

class DrawnButtonPalette : public ::testing::TestWithParam<bool> {
protected:
    std::unique_ptr<DrawnButton> RenderedButton() const
    {
        auto button = std::make_unique<DrawnButton>(QStringLiteral("Again"), nullptr);
        if (GetParam())
            button->setPalette(guitest::DarkPalette());
        button->resize(90, 26);
        button->SetOutline(OutlineKind::Capsule);
        button->EnsureRendered();
        return button;
    }
};

// Black text vanished on a dark face; the palette's button text reads at 7:1 on either.
TEST_P(DrawnButtonPalette, LabelReadsOnTheFace)
{
    auto button = RenderedButton();
    const QRgb face = button->palette().color(QPalette::Button).rgb();
    const QRect insideRingThree(14, 5, 62, 16);
    for (const QPixmap* image :
         {&button->NormalImage(), &button->FocusImage(), &button->PressedImage()}) {
        EXPECT_GE(guitest::InkContrast(image->toImage(), insideRingThree, face),
                  kButtonLabelContrast);
    }
}

// The edge a user finds the button by stands out from the window: the dark outline of the
// focused look (the default button's, and the one keyboard users see) all round in a
// light window; in a dark one, where shadows are lost, the lit upper and left edges of
// every look, and the focus line on the face.
TEST_P(DrawnButtonPalette, EdgesStandOutFromTheWindow)
{
    auto button = RenderedButton();
    const QColor window = button->palette().color(QPalette::Window);
    const QRegion mask = button->mask();
    const auto contrastFrom = [&](const QPixmap& image, QPoint from, QPoint step) {
        return ContrastRatio(QColor(guitest::FirstShown(guitest::Masked(image, mask), from, step)),
                             window);
    };
    const bool dark = GetParam();
    for (const QPixmap* image :
         {&button->NormalImage(), &button->FocusImage(), &button->PressedImage()}) {
        if (!dark && image != &button->FocusImage())
            continue;  // lit from the upper left, they show their shape by their lower right
        EXPECT_GE(contrastFrom(*image, QPoint(45, 0), QPoint(0, 1)), 3.0);
        EXPECT_GE(contrastFrom(*image, QPoint(0, 12), QPoint(1, 0)), 3.0);
        if (!dark) {
            EXPECT_GE(contrastFrom(*image, QPoint(45, 25), QPoint(0, -1)), 3.0);
            EXPECT_GE(contrastFrom(*image, QPoint(89, 13), QPoint(-1, 0)), 3.0);
        }
    }
    if (dark) {
        const QColor face = button->palette().color(QPalette::Button);
        EXPECT_GE(ContrastRatio(QColor(button->FocusImage().toImage().pixel(45, 4)), face), 3.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Palettes, DrawnButtonPalette, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "dark" : "light"; });

}  // namespace
