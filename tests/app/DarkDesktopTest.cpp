// What a person sees of the program on a dark desktop, measured on what the X server shows
// (not on images the program drew for itself): the buttons' labels read at 7:1, all alike,
// the link at 4.5:1 on what is really behind it, and the edges of the arrows, buttons,
// tabs and page, check boxes and spin box stand out at 3:1 from what they stand on.
// Run by DarkDesktopContrast.sh under Xvfb, once with the desktop's dark GTK palette and
// once with a dark style; skipped where neither gives a dark window.

#include "about/AboutDialog.h"
#include "about/ProductInfo.h"
#include "about/ProductText.h"
#include "app/MainDialog.h"
#include "options/OptionsDialog.h"
#include "resources/templates/ResourceIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/GuiTesting.h"
#include "tests/support/RenderedImage.h"
#include "ui/ArrowButton.h"
#include "ui/Contrast.h"
#include "ui/TabControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <tuple>

using namespace razzlewick;

namespace {

// What the X server shows of the window in its own pixels once it has turned active.
QImage OnScreen(QWidget& window)
{
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300);
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::qWait(300);
    QApplication::processEvents();
    return window.screen()
        ->grabWindow(window.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QRect InWindow(const QWidget& control)
{
    return QRect(control.mapTo(control.window(), QPoint(0, 0)), control.size());
}

QRgb MostCommon(const QImage& image, QRect area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb best = 0;
    int most = 0;
    for (const auto& [colour, count] : counts) {
        if (count > most) {
            best = colour;
            most = count;
        }
    }
    return best;
}

// Walks from `outside` by `step` past shades no eye tells from what it started on (a style's
// soft shadow) to the control's edge, and its contrast with what the control stands on.
double EdgeContrast(const QImage& image, QPoint outside, QPoint step)
{
    constexpr double kUnseen = 1.1;
    const QColor behind(image.pixel(outside));
    for (QPoint p = outside; image.rect().contains(p); p += step) {
        const double contrast = ContrastRatio(QColor(image.pixel(p)), behind);
        if (contrast >= kUnseen)
            return contrast;
    }
    return 1.0;
}

// A capsule's edge from eight sides: left, right, top, bottom, and down or up into the
// four quarters of its round ends (straight in, as a slanting walk can slip between two
// pixels that meet at a corner).
void ExpectCapsuleEdgesStandOut(const QImage& image, const QWidget& button)
{
    const QRect r = InWindow(button);
    const int radius = r.height() / 2;
    const int corner = static_cast<int>(radius * (1 - std::sqrt(0.5)));
    const struct {
        const char* side;
        QPoint outside;
        QPoint step;
    } probes[] = {
        {"left", QPoint(r.left() - 3, r.center().y()), QPoint(1, 0)},
        {"right", QPoint(r.right() + 3, r.center().y()), QPoint(-1, 0)},
        {"top", QPoint(r.center().x(), r.top() - 3), QPoint(0, 1)},
        {"bottom", QPoint(r.center().x(), r.bottom() + 3), QPoint(0, -1)},
        {"upper left", QPoint(r.left() + corner, r.top() - 3), QPoint(0, 1)},
        {"upper right", QPoint(r.right() - corner, r.top() - 3), QPoint(0, 1)},
        {"lower left", QPoint(r.left() + corner, r.bottom() + 3), QPoint(0, -1)},
        {"lower right", QPoint(r.right() - corner, r.bottom() + 3), QPoint(0, -1)},
    };
    for (const auto& probe : probes) {
        EXPECT_GE(EdgeContrast(image, probe.outside, probe.step), kEdgeContrast)
            << qPrintable(button.objectName()) << ", " << probe.side;
    }
}

// The label inside ring 4 against the face around it: its contrast, at least 7:1.
double ExpectLabelReads(const QImage& image, const QWidget& button)
{
    const QRect r = InWindow(button);
    const int radius = r.height() / 2;
    const QRect inner = r.adjusted(radius / 2, 6, -radius / 2, -6);
    const QRgb face = MostCommon(image, inner);
    const double contrast = guitest::InkContrast(image, inner, face);
    EXPECT_GE(contrast, kButtonLabelContrast) << qPrintable(button.objectName());
    return contrast;
}

// A control's rectangle (in the window), walking in from 3 pixels outside each of `sides`.
void ExpectSidesStandOut(const QImage& image, QRect box, Qt::Edges sides, const char* what)
{
    const QPoint c = box.center();
    const std::tuple<Qt::Edge, QPoint, QPoint> probes[] = {
        {Qt::LeftEdge, {box.left() - 3, c.y()}, {1, 0}},
        {Qt::RightEdge, {box.right() + 3, c.y()}, {-1, 0}},
        {Qt::TopEdge, {c.x(), box.top() - 3}, {0, 1}},
        {Qt::BottomEdge, {c.x(), box.bottom() + 3}, {0, -1}}};
    for (const auto& [side, outside, step] : probes) {
        if (sides.testFlag(side)) {
            EXPECT_GE(EdgeContrast(image, outside, step), kEdgeContrast) << what << ", " << side;
        }
    }
}

// An arrow's outline from each side of its triangle, walking in from outside.
void ExpectArrowEdgesStandOut(const QImage& image, const ArrowButton& arrow)
{
    const QPolygon triangle = arrow.Triangle().translated(InWindow(arrow).topLeft());
    const QPointF centre = (QPointF(triangle[0]) + triangle[1] + triangle[2]) / 3.0;
    for (int k = 0; k < 3; ++k) {
        const QPointF a = triangle[k];
        const QPointF b = triangle[(k + 1) % 3];
        for (const double at : {0.3, 0.5, 0.7}) {
            const QPointF on = a + (b - a) * at;
            const QPointF out = on - centre;
            // In along the side's steeper axis, from 3 pixels outside.
            const QPoint step = std::abs(out.x()) > std::abs(out.y())
                                    ? QPoint(out.x() > 0 ? -1 : 1, 0)
                                    : QPoint(0, out.y() > 0 ? -1 : 1);
            const QPoint outside = on.toPoint() - step * 3;
            EXPECT_GE(EdgeContrast(image, outside, step), kEdgeContrast)
                << qPrintable(arrow.objectName()) << ", side " << k << " at " << at;
        }
    }
}

class DarkDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!IsDarkColour(QApplication::palette().color(QPalette::Window)))
            GTEST_SKIP() << "this desktop's window is not dark";
    }
    apptest::TempSettings settings;
};

TEST_F(DarkDesktop, MainWindowButtonsAndArrowsStandOut)
{
    MainDialog window;
    apptest::AddStyles(window.Engine(), apptest::FourStyles());
    window.show();
    // Three batches and a step back: both arrows show.
    ASSERT_TRUE(guitest::ClickControl(&window, IDC_AGAIN));
    ASSERT_TRUE(guitest::ClickControl(&window, IDC_AGAIN));
    ASSERT_TRUE(guitest::ClickControl(&window, IDC_UNDO));
    const QImage image = OnScreen(window);
    std::set<double> labels;
    for (const int id : {IDC_ABOUT, IDC_AGAIN, IDC_COPY, IDCANCEL}) {
        ExpectCapsuleEdgesStandOut(image, *guitest::Control(&window, id));
        labels.insert(ExpectLabelReads(image, *guitest::Control(&window, id)));
    }
    EXPECT_EQ(labels.size(), 1u) << "the four labels are not alike";
    const auto* tabs = guitest::Control<TabControl>(&window, IDC_STYLE_TABS);
    for (int i = 0; i < tabs->count(); ++i)
        ExpectSidesStandOut(image, tabs->tabRect(i).translated(tabs->pos()), Qt::TopEdge, "tab");
    ExpectSidesStandOut(image, tabs->PaneRect().translated(tabs->pos()),
                        Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge, "page");
    for (const int id : {IDC_UNDO, IDC_REDO}) {
        auto* arrow = guitest::Control<ArrowButton>(&window, id);
        ASSERT_TRUE(arrow->isVisible());
        ExpectArrowEdgesStandOut(image, *arrow);
    }
}

TEST_F(DarkDesktop, OptionsControlsStandOut)
{
    OptionsDialog dialog;
    dialog.show();
    const QImage image = OnScreen(dialog);
    for (const int id : {IDOK, IDCANCEL}) {
        ExpectCapsuleEdgesStandOut(image, *guitest::Control(&dialog, id));
        ExpectLabelReads(image, *guitest::Control(&dialog, id));
    }
    // Not from above: there some styles make the level list taller than the layout says.
    for (const int id : {IDC_ON_TOP, IDC_CAPITALISE, IDC_TOOLTIPS, IDC_AUTOCOPY}) {
        const auto* box = guitest::Control<QCheckBox>(&dialog, id);
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator =
            box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        ExpectSidesStandOut(image, indicator.translated(InWindow(*box).topLeft()),
                            Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge, "check box");
    }
    ExpectSidesStandOut(image,
                        InWindow(*guitest::Control(&dialog, IDC_COUNT)) |
                            InWindow(*guitest::Control(&dialog, IDC_COUNT_SPIN)),
                        Qt::LeftEdge | Qt::RightEdge | Qt::TopEdge | Qt::BottomEdge, "spin box");
}

TEST_F(DarkDesktop, AboutLinkReadsOnItsPage)
{
    ProductInfo info;
    FillProductInfo(info, QIcon());
    AboutDialog dialog(info, nullptr);
    dialog.show();
    const QImage image = OnScreen(dialog);
    const QRect link = InWindow(*guitest::Control(dialog.Page(0), IDC_MAKER_LINK));
    // The page around the link, just clear of it.
    const QRgb page = MostCommon(image, link.adjusted(-8, -4, 8, 4));
    EXPECT_GE(guitest::InkContrast(image, link, page), kTextContrast);
}

}  // namespace
