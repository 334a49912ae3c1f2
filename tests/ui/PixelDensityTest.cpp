// Drawing on screens of 1.5 and 2 device pixels per logical pixel. The program runs on an
// offscreen platform with three screens (ThreeDensities.json): 1, 1.5 and 2.

#include "resources/templates/ResourceIds.h"
#include "tests/support/RenderedImage.h"
#include "ui/ArrowButton.h"
#include "ui/Contrast.h"
#include "ui/DrawnButton.h"
#include "ui/Pictures.h"
#include "ui/TabControl.h"
#include "ui/TemplatePicture.h"
#include "ui/TextBox.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>

using namespace razzlewick;

namespace {

QScreen* ScreenOfRatio(qreal ratio)
{
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->devicePixelRatio() == ratio)
            return screen;
    }
    return nullptr;
}

// A window on the screen of the wanted density, shown, for one control at (10, 10).
class OnScreen final {
public:
    explicit OnScreen(qreal ratio)
    {
        window_.resize(200, 100);
        QScreen* screen = ScreenOfRatio(ratio);
        EXPECT_NE(screen, nullptr) << "no screen of ratio " << ratio;
        if (screen != nullptr) {
            window_.setScreen(screen);
            window_.move(screen->geometry().topLeft() + QPoint(20, 20));
        }
    }
    QWidget* Window() { return &window_; }
    void Show()
    {
        window_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }
    void MoveTo(qreal ratio)
    {
        window_.windowHandle()->setScreen(ScreenOfRatio(ratio));
        QApplication::processEvents();
    }

private:
    QWidget window_;
};

class PixelDensity : public ::testing::TestWithParam<qreal> {};

// The window mask stays in logical pixels; the finer lines inside it must still meet all
// round, with no step of the mask cutting one through.
TEST_P(PixelDensity, DrawnButtonEdgesCloseRoundItsFace)
{
    const qreal ratio = GetParam();
    OnScreen screen(ratio);
    auto* button = new DrawnButton(QString(), screen.Window());
    // Every edge colour far from the face, so each line drawn shows.
    QPalette lines = button->palette();
    lines.setColor(QPalette::Button, Qt::white);
    lines.setColor(QPalette::Light, QColor(0x40, 0x40, 0x40));
    lines.setColor(QPalette::Midlight, QColor(0x50, 0x50, 0x50));
    lines.setColor(QPalette::Dark, QColor(0x60, 0x60, 0x60));
    lines.setColor(QPalette::Shadow, Qt::black);
    button->setPalette(lines);
    button->setGeometry(10, 10, 90, 26);
    button->SetOutline(OutlineKind::Capsule);
    screen.Show();
    button->EnsureRendered();
    ASSERT_EQ(button->NormalImage().devicePixelRatio(), ratio);
    const QRgb face = button->palette().color(QPalette::Button).rgb();
    const QPoint centre = QPoint(45, 13) * ratio;
    for (const QPixmap* image :
         {&button->NormalImage(), &button->FocusImage(), &button->PressedImage()}) {
        const QImage shown = guitest::Masked(*image, button->mask());
        EXPECT_TRUE(guitest::StaysInside(shown, centre, [face](QRgb p) { return p == face; }));
    }
}

TEST_P(PixelDensity, ArrowOutlineClosesRoundItsFace)
{
    const qreal ratio = GetParam();
    OnScreen screen(ratio);
    auto* arrow = new ArrowButton(screen.Window());
    arrow->setFocusPolicy(Qt::NoFocus);  // the outline, not the focus mark that replaces it
    arrow->setGeometry(10, 10, 20, 20);
    arrow->Shape();
    screen.Show();
    for (const ArrowDirection direction : {ArrowDirection::Left, ArrowDirection::Right}) {
        for (const bool pressed : {false, true}) {
            arrow->SetDirection(direction);
            arrow->setDown(pressed);
            const QRgb outline = arrow->OutlineColour().rgb();
            const QImage shown = guitest::AsShown(*arrow);
            EXPECT_TRUE(guitest::StaysInside(shown, QPoint(10, 10) * ratio,
                                             [outline](QRgb p) { return p != outline; }))
                << "direction " << static_cast<int>(direction) << " pressed " << pressed;
        }
    }
}

TEST_P(PixelDensity, PicturesAreDrawnForTheScreenAndAgainOnAnother)
{
    const qreal ratio = GetParam();
    OnScreen screen(1.0);
    auto* picture = new TemplatePicture(IDB_MAKER_LOGO, screen.Window());
    auto* button = new DrawnButton(QStringLiteral("Ok"), screen.Window());
    button->setGeometry(10, 60, 50, 20);
    screen.Show();
    button->EnsureRendered();
    const QSize logical = picture->pixmap().deviceIndependentSize().toSize();
    EXPECT_EQ(picture->pixmap().devicePixelRatio(), 1.0);

    screen.MoveTo(ratio);
    EXPECT_EQ(picture->pixmap().devicePixelRatio(), ratio);
    EXPECT_EQ(picture->pixmap().size(), logical * ratio);
    button->grab();
    EXPECT_EQ(button->NormalImage().devicePixelRatio(), ratio);
    EXPECT_EQ(button->NormalImage().size(), QSize(50, 20) * ratio);
}

// A denser picture is the same picture with more detail, not a part of it enlarged.
TEST_P(PixelDensity, PicturesShowTheWholePictureAtEveryDensity)
{
    const qreal ratio = GetParam();
    const QImage single = LoadPicture(IDB_SHAKESPEAREAN).toImage();
    const QImage dense = LoadPicture(IDB_SHAKESPEAREAN, ratio).toImage();
    ASSERT_EQ(dense.size(), single.size() * ratio);
    const QImage reduced =
        dense.scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    long difference = 0;
    for (int y = 0; y < single.height(); ++y) {
        for (int x = 0; x < single.width(); ++x)
            difference += std::abs(qGray(single.pixel(x, y)) - qGray(reduced.pixel(x, y)));
    }
    EXPECT_LT(difference / (single.width() * single.height()), 8);
}

// The page under the selected header shows nothing of the header's foot, even where the
// base line falls between two device pixels: every row below it is like the page's middle.
TEST_P(PixelDensity, TabPageShowsNothingOfTheSelectedHeader)
{
    const qreal ratio = GetParam();
    OnScreen screen(ratio);
    screen.Window()->setPalette(guitest::DarkPalette());
    auto* tabs = new TabControl(screen.Window());
    tabs->setGeometry(10, 10, 180, 80);
    for (const char* text : {"First", "Second"})
        tabs->addTab(QString::fromLatin1(text));
    screen.Show();
    const QImage shown = guitest::AsShown(*tabs);
    const QRect header = tabs->tabRect(0);
    const int middle = qRound(tabs->PaneRect().center().y() * ratio);
    const int top = static_cast<int>(std::ceil((header.bottom() + 1) * ratio));
    const QRect under(qRound(header.left() * ratio), top, qRound(header.width() * ratio),
                      middle - top);
    const QRect band = guitest::UnlikeRow(shown, under, middle);
    EXPECT_TRUE(band.isEmpty()) << "device rows " << band.top() << " to " << band.bottom();
}

INSTANTIATE_TEST_SUITE_P(Scales, PixelDensity, ::testing::Values(1.5, 2.0), [](const auto& info) {
    return info.param == 2.0 ? "double" : "oneAndHalf";
});

// The run of pixels of `colour` met walking from `from` by `step`, once the walk has passed
// over the pixels of `passOver`.
int RunOf(const QImage& image, QPoint from, QPoint step, QRgb passOver, QRgb colour)
{
    QPoint p = from;
    while (image.rect().contains(p) && image.pixel(p) == passOver)
        p += step;
    int run = 0;
    for (; image.rect().contains(p) && image.pixel(p) == colour; p += step)
        ++run;
    return run;
}

// A walk into each side of `r`, from just outside it, across its middle.
struct Side {
    const char* side;
    QPointF outside;
    QPoint step;
};

std::array<Side, 4> SidesAround(const QRect& r)
{
    return {{{"top", QPointF(r.center().x(), r.top() - 2), QPoint(0, 1)},
             {"bottom", QPointF(r.center().x(), r.bottom() + 3), QPoint(0, -1)},
             {"left", QPointF(r.left() - 2, r.center().y()), QPoint(1, 0)},
             {"right", QPointF(r.right() + 3, r.center().y()), QPoint(-1, 0)}}};
}

// A control at a logical offset that falls between device pixels at 150 %, in a window
// that is active, so that the control can take the focus.
class FocusMark : public ::testing::TestWithParam<qreal> {
protected:
    void Show(QWidget* control, QRect geometry)
    {
        control->setGeometry(geometry);
        screen.Show();
        screen.Window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.Window()));
    }
    QImage Window() { return guitest::AsShown(*screen.Window()); }
    QPoint Device(QPointF logical) const { return (logical * GetParam()).toPoint(); }
    // A mark two logical pixels deep covers at least this many device pixels.
    int MarkDepth() const { return static_cast<int>(2 * GetParam()); }

    OnScreen screen{GetParam()};
};

// Every side of the text box shows its frame line at every scale; with the focus the frame
// turns into a mark two logical pixels deep that stands out from the window.
TEST_P(FocusMark, TextBoxFrameShowsAllRoundAndMarksTheFocus)
{
    auto* box = new TextBox(screen.Window());
    auto* other = new QLabel(QStringLiteral("elsewhere"), screen.Window());
    other->setFocusPolicy(Qt::StrongFocus);
    other->setGeometry(150, 70, 40, 20);
    Show(box, QRect(11, 13, 121, 61));
    other->setFocus();
    const QRgb window = screen.Window()->palette().color(QPalette::Window).rgb();
    const QRect r = box->geometry();
    const std::array<Side, 4> sides = SidesAround(r);
    const QImage unfocused = Window();
    for (const auto& side : sides) {
        EXPECT_GE(
            RunOf(unfocused, Device(side.outside), side.step, window, box->FrameColour().rgb()), 1)
            << side.side;
    }
    box->setFocus();
    const QImage focused = Window();
    const QRgb mark = guitest::FirstShown(focused, Device(sides[0].outside), sides[0].step, window);
    EXPECT_GE(ContrastRatio(QColor(mark), QColor(window)), kEdgeContrast);
    for (const auto& side : sides) {
        EXPECT_GE(RunOf(focused, Device(side.outside), side.step, window, mark), MarkDepth())
            << side.side;
    }
}

// An arrow with the focus deepens its outline into the mark, on every side.
TEST_P(FocusMark, ArrowMarksTheFocusTwoPixelsDeep)
{
    auto* arrow = new ArrowButton(screen.Window());
    auto* other = new ArrowButton(screen.Window());
    other->setGeometry(150, 60, 20, 20);
    Show(arrow, QRect(11, 13, 24, 24));
    arrow->SetDirection(ArrowDirection::Left);
    other->setFocus();
    const QRgb window = screen.Window()->palette().color(QPalette::Window).rgb();
    const QRgb outline = arrow->OutlineColour().rgb();
    // In through the upright right side, and down through the slanted upper side.
    const QPointF right(arrow->geometry().right() + 3, arrow->geometry().center().y());
    const QPointF upper(arrow->geometry().left() + 8, arrow->geometry().top() - 2);
    EXPECT_EQ(guitest::FirstShown(Window(), Device(right), QPoint(-1, 0), window), outline);
    arrow->setFocus();
    const QImage focused = Window();
    const QRgb mark = guitest::FirstShown(focused, Device(right), QPoint(-1, 0), window);
    EXPECT_NE(mark, outline);
    EXPECT_GE(ContrastRatio(QColor(mark), QColor(window)), kEdgeContrast);
    EXPECT_GE(RunOf(focused, Device(right), QPoint(-1, 0), window, mark), MarkDepth());
    EXPECT_GE(RunOf(focused, Device(upper), QPoint(0, 1), window, mark), MarkDepth());
}

// A capsule button with the focus shows its dark outline two pixels deep on every side,
// the lower and right ones too, where the window mask keeps none of the outer ring.
TEST_P(FocusMark, CapsuleOutlineDeepensWithTheFocus)
{
    auto* button = new DrawnButton(QStringLiteral("Again please!"), screen.Window());
    auto* other = new ArrowButton(screen.Window());
    other->setGeometry(150, 60, 20, 20);
    Show(button, QRect(11, 13, 100, 26));
    button->SetOutline(OutlineKind::Capsule);
    button->setFocus();
    const QRgb window = screen.Window()->palette().color(QPalette::Window).rgb();
    const QRect r = button->geometry();
    const QImage focused = Window();
    const std::array<Side, 4> sides = SidesAround(r);
    const QRgb mark = guitest::FirstShown(focused, Device(sides[0].outside), sides[0].step, window);
    EXPECT_GE(ContrastRatio(QColor(mark), QColor(window)), kEdgeContrast);
    // The button shows an image drawn for its own pixels; at 150 % it lands half a device
    // pixel off, and the mask then takes one device pixel of the band: two remain.
    const int depth = GetParam() == 1.5 ? 2 : MarkDepth();
    for (const auto& side : sides) {
        EXPECT_GE(RunOf(focused, Device(side.outside), side.step, window, mark), depth)
            << side.side;
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, FocusMark, ::testing::Values(1.0, 1.5, 2.0), [](const auto& info) {
    return info.param == 2.0 ? "double" : info.param == 1.5 ? "oneAndHalf" : "single";
});

// At 200 % a label drawn into a pixel-doubled image would be all 2x2 blocks; drawn at the
// screen's density it has no more of them than the window's own text.
TEST(PixelDensity, CapsuleLabelIsAsSharpAsTheWindowsText)
{
    OnScreen screen(2.0);
    const QString text = QStringLiteral("Again please!");
    auto* button = new DrawnButton(text, screen.Window());
    button->setGeometry(10, 10, 100, 26);
    button->SetOutline(OutlineKind::Capsule);
    button->setFocusPolicy(Qt::NoFocus);  // the normal look, without the focus line
    auto* label = new QLabel(text, screen.Window());
    label->setGeometry(10, 50, 100, 26);
    label->setAlignment(Qt::AlignCenter);
    screen.Show();

    const QRgb face = button->palette().color(QPalette::Button).rgb();
    // What the screen shows: a picture made at 100 % would reach it doubled.
    const QImage buttonImage = button->grab().toImage();
    // Inside ring 3, so that only the label counts.
    const QRect buttonInk = guitest::InkBounds(buttonImage, QRect(36, 10, 130, 32), face);
    const QImage labelImage = label->grab().toImage();
    const QRgb window = label->palette().color(QPalette::Window).rgb();
    const QRect labelInk = guitest::InkBounds(labelImage, labelImage.rect(), window);
    ASSERT_FALSE(buttonInk.isEmpty());
    ASSERT_FALSE(labelInk.isEmpty());
    const double buttonShare = guitest::UniformBlockShare(buttonImage, buttonInk, face);
    const double labelShare = guitest::UniformBlockShare(labelImage, labelInk, window);
    EXPECT_LE(buttonShare, labelShare + 0.02) << "label text " << labelShare;
}

}  // namespace
