#include "about/CHyperLink.h"

#include "tests/support/FakePrograms.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/RenderedImage.h"
#include "ui/DialogBuilder.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace razzlewick;

namespace {

using testing_support::FakePrograms;
using Arguments = std::vector<std::string>;

const std::string kUrl = "http://www.tallowfern.example/Software.html";

// A window with one static control at (10, 20, 300, 40), made into a link.
struct LinkWindow {
    explicit LinkWindow(Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop,
                        const std::string& text = kUrl)
    {
        window = std::make_unique<QWidget>();
        window->resize(400, 200);
        auto* label = new QLabel(QString::fromStdString(text), window.get());
        label->setGeometry(10, 20, 300, 40);
        label->setAlignment(alignment);
        label->setProperty(kControlIdProperty, 2231);
        label->setObjectName(QStringLiteral("makerLink"));
        link = new CHyperLink(window.get());
        link->Attach(label);
    }
    std::unique_ptr<QWidget> window;
    CHyperLink* link = nullptr;
};

TEST(CHyperLink, AttachTakesTheControlsPlaceTextAndId)
{
    LinkWindow w;
    EXPECT_EQ(w.link->Url(), kUrl);
    EXPECT_EQ(w.link->toolTip().toStdString(), kUrl);
    EXPECT_TRUE(w.link->font().underline());
    EXPECT_EQ(w.link->Options(), 0x15u);
    EXPECT_EQ(FindControl<CHyperLink>(w.window.get(), 2231), w.link);
    EXPECT_EQ(w.window->findChildren<QLabel*>().size(), 1);  // the old control is gone
    EXPECT_TRUE(CHyperLink::HandCursorLoaded());
    EXPECT_EQ(w.link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(w.link->IsVisited());
}

struct FitRow {
    const char* name;
    Qt::Alignment alignment;
};

class FitToText : public ::testing::TestWithParam<FitRow> {};

TEST_P(FitToText, ShrinksToTheTextKeepingTheAlignment)
{
    LinkWindow w(GetParam().alignment);
    const QFontMetrics metrics(w.link->font());
    const int textWidth = metrics.horizontalAdvance(QString::fromStdString(kUrl));
    const int textHeight = metrics.height();
    const QRect rect = w.link->geometry();
    const Qt::Alignment alignment = GetParam().alignment;
    // Centring shrinks both sides by half the slack, rounded down, so an odd slack keeps
    // one spare pixel.
    EXPECT_EQ(rect.width(),
              (alignment & Qt::AlignHCenter) ? 300 - (300 - textWidth) / 2 * 2 : textWidth);
    EXPECT_EQ(rect.height(),
              (alignment & Qt::AlignVCenter) ? 40 - (40 - textHeight) / 2 * 2 : textHeight);
    if (alignment & Qt::AlignHCenter) {
        EXPECT_EQ(rect.left(), 10 + (300 - textWidth) / 2);
    } else if (alignment & Qt::AlignRight) {
        EXPECT_EQ(rect.right(), 309);
    } else {
        EXPECT_EQ(rect.left(), 10);
    }
    if (alignment & Qt::AlignVCenter) {
        EXPECT_EQ(rect.top(), 20 + (40 - textHeight) / 2);
    } else {
        EXPECT_EQ(rect.top(), 20);
    }
}

INSTANTIATE_TEST_SUITE_P(Alignments, FitToText,
                         ::testing::Values(FitRow{"Left", Qt::AlignLeft | Qt::AlignTop},
                                           FitRow{"Centred", Qt::AlignHCenter | Qt::AlignTop},
                                           FitRow{"Right", Qt::AlignRight | Qt::AlignTop},
                                           FitRow{"CentredBothWays", Qt::AlignCenter}),
                         [](const auto& info) { return std::string(info.param.name); });

void Move(QWidget* widget, QPoint point)
{
    QMouseEvent move(QEvent::MouseMove, point, widget->mapToGlobal(point), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

TEST(CHyperLink, ColourFollowsTheStateRule)
{
    FakePrograms fakes;
    fakes.Add("xdg-open");
    LinkWindow w;
    EXPECT_EQ(w.link->TextColour(), CHyperLink::kLinkColour);

    // Hovering changes nothing while the hover option is off, everything once it is on.
    Move(w.link, QPoint(2, 2));
    EXPECT_TRUE(w.link->IsOver());
    EXPECT_EQ(w.link->TextColour(), CHyperLink::kLinkColour);
    w.link->SetOptions(w.link->Options() | CHyperLink::LinkHoverColour);
    EXPECT_EQ(w.link->TextColour(), CHyperLink::kHoverColour);
    Move(w.link, QPoint(-5, 2));
    EXPECT_FALSE(w.link->IsOver());
    w.link->SetOptions(0x15);

    // A click opens it and leaves it focused, then visited once the focus is gone.
    w.window->show();
    w.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    QTest::mouseClick(w.link, Qt::LeftButton);
    EXPECT_TRUE(w.link->IsVisited());
    EXPECT_TRUE(w.link->hasFocus());
    EXPECT_EQ(w.link->TextColour(), CHyperLink::kFocusColour);
    w.link->SetOptions(0x15 | CHyperLink::LinkNoFocusColour);
    EXPECT_EQ(w.link->TextColour(), CHyperLink::kVisitedColour);
    w.link->SetOptions(0x15);
    w.link->clearFocus();
    EXPECT_FALSE(w.link->IsFocused());
    EXPECT_EQ(w.link->TextColour(), CHyperLink::kVisitedColour);
    EXPECT_EQ(fakes.Calls("xdg-open").size(), 1u);

    // The colour is what is painted: the underline is drawn in it.
    const QImage image = w.link->grab().toImage();
    bool found = false;
    for (int y = 0; y < image.height() && !found; ++y) {
        for (int x = 0; x < image.width() && !found; ++x) {
            found = QColor(image.pixel(x, y)) == CHyperLink::kVisitedColour;
        }
    }
    EXPECT_TRUE(found);
}

// The fixed blue and purple fall to about 1.5:1 on a dark window; there the palette's link
// colours, brought to text contrast, are what is painted.
TEST(CHyperLink, ReadsOnADarkWindowInEveryState)
{
    FakePrograms fakes;
    fakes.Add("xdg-open");
    LinkWindow w;
    const QPalette dark = guitest::DarkPalette();
    w.window->setPalette(dark);
    const QRgb background = dark.color(QPalette::Window).rgb();
    const auto painted = [&w, background] {
        const QImage image = w.link->grab().toImage();
        return guitest::InkContrast(image, image.rect(), background);
    };
    EXPECT_NE(w.link->TextColour(), CHyperLink::kLinkColour);
    EXPECT_GE(painted(), 4.5) << "unvisited";

    w.window->show();
    w.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    QTest::mouseClick(w.link, Qt::LeftButton);
    ASSERT_TRUE(w.link->IsVisited());
    EXPECT_GE(painted(), 4.5) << "focused";
    w.link->clearFocus();
    EXPECT_GE(painted(), 4.5) << "visited";
    // Still a blue of the palette's, not grey: the link looks like a link.
    const QColor visited = w.link->TextColour();
    EXPECT_GT(visited.blue(), visited.red());

    w.window->setPalette(QPalette());
    EXPECT_EQ(w.link->TextColour(), CHyperLink::kVisitedColour);
}

TEST(CHyperLink, OpensOnReleaseAndOnTheSpaceBar)
{
    FakePrograms fakes;
    fakes.Add("xdg-open");
    LinkWindow w;
    w.window->show();
    QTest::mousePress(w.link, Qt::LeftButton);
    EXPECT_TRUE(fakes.Calls("xdg-open").empty());
    QTest::mouseRelease(w.link, Qt::LeftButton);
    EXPECT_EQ(fakes.Calls("xdg-open").size(), 1u);
    QTest::mouseClick(w.link, Qt::RightButton);
    EXPECT_EQ(fakes.Calls("xdg-open").size(), 1u);
    QTest::keyClick(w.link, Qt::Key_Space);
    QTest::keyClick(w.link, Qt::Key_Return);
    EXPECT_EQ(fakes.Calls("xdg-open"), (std::vector<Arguments>{{kUrl}, {kUrl}}));
}

TEST(CHyperLink, DraggingOffBeforeReleasingOpensNothing)
{
    FakePrograms fakes;
    fakes.Add("xdg-open");
    LinkWindow w;
    w.window->show();
    const QPoint inside(2, 2);
    const QPoint outside(w.link->width() + 20, 2);
    QTest::mousePress(w.link, Qt::LeftButton, Qt::NoModifier, inside);
    QMouseEvent drag(QEvent::MouseMove, outside, w.link->mapToGlobal(outside), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.link, &drag);
    EXPECT_FALSE(w.link->IsOver());
    QTest::mouseRelease(w.link, Qt::LeftButton, Qt::NoModifier, outside);
    EXPECT_TRUE(fakes.Calls("xdg-open").empty());
    EXPECT_FALSE(w.link->IsVisited());

    QTest::mouseClick(w.link, Qt::LeftButton, Qt::NoModifier, inside);
    EXPECT_EQ(fakes.Calls("xdg-open").size(), 1u);
}

// Without xdg-open the message names the address and what to install.
TEST(CHyperLink, FailureNamesTheAddressAndStaysUnvisited)
{
    FakePrograms fakes;  // nothing to open it with
    MessageBoxRecorder messages;
    LinkWindow w;
    w.link->ActivateLink();
    EXPECT_FALSE(w.link->IsVisited());
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Messages()[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(messages.LastText().toStdString(),
              "Can't open " + std::string(kUrl) +
                  ":\n\nxdg-open, which hands it to the desktop's program for it, is not "
                  "installed. Install xdg-utils and a web browser.");
}

TEST(OpenLink, FallsBackToTheRegisteredBrowserWithTheUrlIntact)
{
    FakePrograms fakes;
    fakes.Add("xdg-open");
    fakes.SetExit("xdg-open", "4");
    fakes.Add("xdg-mime", "web.desktop\n");
    fakes.Add("browser");
    fakes.WriteFile("data/applications/web.desktop",
                    "[Desktop Entry]\nName=Web\nExec=browser --new-tab \"%u\" --ignored\n");
    const std::string hostile = "http://x.example/?q=a b;rm -rf $(pwd) `id` 'x' \"y\"";
    EXPECT_GT(CHyperLink::OpenLink(hostile, 5), 32);
    // The browser runs in the background; wait for its record (up to 10 s: a loaded machine
    // can take seconds to start a script).
    for (int i = 0; i < 1000 && fakes.Calls("browser").empty(); ++i) {
        QTest::qWait(10);
    }
    EXPECT_EQ(fakes.Calls("browser"), (std::vector<Arguments>{{"--new-tab", hostile}}));
}

TEST(OpenLink, ReportsTheDesktopsCodeWhenNoBrowserIsRegistered)
{
    FakePrograms fakes;
    fakes.Add("xdg-open");
    fakes.SetExit("xdg-open", "5");
    fakes.Add("xdg-mime");
    EXPECT_EQ(CHyperLink::OpenLink("http://x.example/", 5), 5);
    fakes.Add("xdg-mime", "gone.desktop\n");
    EXPECT_EQ(CHyperLink::OpenLink("http://x.example/", 5), 5);
}

TEST(OpenLink, MissingRegisteredBrowserProgramIsFileNotFound)
{
    FakePrograms fakes;
    fakes.Add("xdg-open");
    fakes.SetExit("xdg-open", "3");
    fakes.Add("xdg-mime", "web.desktop\n");
    fakes.WriteFile("system/applications/web.desktop",
                    "[Desktop Entry]\nExec=/no/such/browser %U\n");
    EXPECT_EQ(CHyperLink::OpenLink("http://x.example/", 5), 2);
}

struct ErrorRow {
    const char* name;
    int code;
    const char* text;
};

class ShowOpenError : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(ShowOpenError, ShowsTheTextForTheCode)
{
    MessageBoxRecorder messages;
    CHyperLink::ShowOpenError(GetParam().code);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText(),
              QStringLiteral("Can't open link:\n\n") + QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ShowOpenError,
    ::testing::Values(
        ErrorRow{"OutOfMemory", 0, "The operating system is out\nof memory or resources."},
        ErrorRow{"FileNotFound", 2, "The specified file was not found."},
        ErrorRow{"SharingViolation", 26, "A sharing violation occurred. "},
        ErrorRow{"ExactlyThirtyTwo", 32, "The specified dynamic-link library was not found."},
        ErrorRow{"Unknown", 7, "Unknown Error (7) occurred."},
        ErrorRow{"Negative", -1, "Unknown Error (-1) occurred."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
