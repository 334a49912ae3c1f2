#include "app/MainDialog.h"

#include "app/TextBoxScroll.h"
#include "resources/templates/ResourceIds.h"
#include "settings/ProfileFile.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/GuiTesting.h"
#include "ui/ArrowButton.h"
#include "ui/ConfirmationTip.h"
#include "ui/DialogBuilder.h"
#include "ui/DrawnButton.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace razzlewick;

namespace {

using apptest::AsCopied;
using apptest::FromEngineText;

class MainDialogTest : public ::testing::Test {
protected:
    // Builds the window over the four test styles with the settings given so far, and opens
    // it (which initialises it) without a modal loop.
    MainDialog& Open(std::vector<apptest::StyleFixture> styles = apptest::FourStyles())
    {
        dialog = std::make_unique<MainDialog>();
        apptest::AddStyles(dialog->Engine(), styles);
        dialog->open();
        return *dialog;
    }

    QPlainTextEdit* TextBox() const
    {
        return guitest::Control<QPlainTextEdit>(dialog.get(), IDC_INSULT_TEXT);
    }
    QString ShownText() const { return TextBox()->toPlainText(); }
    QString Label() const
    {
        return guitest::Control<QLabel>(dialog.get(), IDC_COMBINATIONS)->text();
    }
    QTabBar* Tabs() const { return guitest::Control<QTabBar>(dialog.get(), IDC_STYLE_TABS); }
    bool Shown(int id) const { return guitest::Control<QWidget>(dialog.get(), id)->isVisible(); }
    void Click(int id) { ASSERT_TRUE(guitest::ClickControl(dialog.get(), id)); }
    // Picks a tab the way the user does, by clicking it.
    void ClickTab(int index)
    {
        QTabBar* tabs = Tabs();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        ASSERT_EQ(tabs->currentIndex(), index);
    }
    // The text as the text box shows it: one line break per line.
    static QString AsShown(const std::string& engineText)
    {
        return FromEngineText(engineText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }

    apptest::TempSettings settings;
    std::unique_ptr<MainDialog> dialog;
};

TEST_F(MainDialogTest, FirstRunShowsAFreshArabianBatchWithOnlyAgainVisible)
{
    MainDialog& window = Open();
    EXPECT_EQ(Tabs()->count(), 4);
    EXPECT_EQ(Tabs()->tabText(0), "Arabian");
    EXPECT_EQ(Tabs()->tabText(1), "Shakespearean");
    EXPECT_EQ(Tabs()->tabText(2), "Modern");
    EXPECT_EQ(Tabs()->tabText(3), "Mediterranean");
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_TRUE(ShownText().startsWith("May the fleas of ")) << ShownText().toStdString();
    EXPECT_EQ(ShownText(), AsShown(window.Text()));
    EXPECT_EQ(Label(), "8 combinations available");
    EXPECT_TRUE(Shown(IDC_AGAIN));
    EXPECT_FALSE(Shown(IDC_UNDO));
    EXPECT_FALSE(Shown(IDC_REDO));
    EXPECT_EQ(window.windowTitle(), "Razzlewick");
}

TEST_F(MainDialogTest, AutoCopyPutsTheOpeningBatchOnTheClipboardAtOnce)
{
    settings.Set("autoCopy", 1);
    QApplication::clipboard()->setText("stale");
    MainDialog& window = Open();
    EXPECT_EQ(QApplication::clipboard()->text(), AsCopied(window.Text()));
    Click(IDC_AGAIN);
    EXPECT_EQ(QApplication::clipboard()->text(), AsCopied(window.Text()));
    EXPECT_TRUE(window.findChild<ConfirmationTip*>()->isVisible());
}

TEST_F(MainDialogTest, WithoutAutoCopyOnlyTheCopyButtonTouchesTheClipboard)
{
    QApplication::clipboard()->setText("stale");
    MainDialog& window = Open();
    EXPECT_EQ(QApplication::clipboard()->text(), "stale");
    auto* tip = window.findChild<ConfirmationTip*>();
    EXPECT_FALSE(tip->isVisible());
    const QRect layout = window.geometry();
    Click(IDC_COPY);
    EXPECT_EQ(QApplication::clipboard()->text(), AsCopied(window.Text()));
    EXPECT_TRUE(window.Text().ends_with(".\r\n"));
    // "Copied" in a window of its own just above the button; the window keeps its layout.
    EXPECT_TRUE(tip->isVisible() && tip->isWindow() && tip->Text() == "Copied");
    const QWidget* copy = guitest::Control(&window, IDC_COPY);
    const int top = copy->mapToGlobal(QPoint(0, 0)).y();
    EXPECT_TRUE(tip->geometry().bottom() < top && tip->geometry().bottom() > top - 5);
    EXPECT_EQ(window.geometry(), layout);
}

TEST_F(MainDialogTest, CoarseTabAtLevelZeroOpensDisabledAndCopiesTheMessage)
{
    settings.Set("tab", 2);
    MainDialog& window = Open();
    EXPECT_EQ(Tabs()->currentIndex(), 2);
    EXPECT_EQ(Label(), "Option disabled");
    EXPECT_EQ(ShownText(),
              "This option is disabled until you raise the offensiveness level (use the "
              "\"Options\" menu)");
    EXPECT_FALSE(Shown(IDC_AGAIN));
    EXPECT_FALSE(Shown(IDC_UNDO));
    EXPECT_FALSE(Shown(IDC_REDO));
    // The engine stays on the style it had: nothing was generated for the coarse style.
    EXPECT_EQ(window.Engine().CurrentStyle(), nullptr);
    Click(IDC_COPY);
    EXPECT_EQ(QApplication::clipboard()->text(), ShownText());
    // Again is hidden, so Enter has nothing to press: no batch replaces the message.
    const QString message = ShownText();
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    EXPECT_EQ(ShownText(), message);
    EXPECT_FALSE(Shown(IDC_AGAIN));

    // An allowed tab leaves the disabled state.
    ClickTab(1);
    EXPECT_TRUE(ShownText().startsWith("Thou ")) << ShownText().toStdString();
    EXPECT_TRUE(Shown(IDC_AGAIN));
}

TEST_F(MainDialogTest, CoarseTabsWorkAboveLevelZero)
{
    settings.Set("level", 1);
    settings.Set("tab", 3);
    Open();
    EXPECT_TRUE(ShownText().startsWith("Your ")) << ShownText().toStdString();
    EXPECT_EQ(Label(), "5 combinations available");
    EXPECT_TRUE(Shown(IDC_AGAIN));
}

TEST_F(MainDialogTest, ArrowsFollowTheHistoryAndTabsKeepTheirEntry)
{
    MainDialog& window = Open();
    const std::string first = window.Text();
    EXPECT_TRUE(Shown(IDC_AGAIN));
    EXPECT_FALSE(Shown(IDC_UNDO));
    EXPECT_FALSE(Shown(IDC_REDO));

    Click(IDC_AGAIN);
    const std::string second = window.Text();
    EXPECT_EQ(window.Engine().HistorySize(), 2);
    EXPECT_TRUE(Shown(IDC_UNDO));
    EXPECT_FALSE(Shown(IDC_REDO));

    Click(IDC_UNDO);
    EXPECT_EQ(window.Text(), first);
    EXPECT_EQ(ShownText(), AsShown(first));
    EXPECT_FALSE(Shown(IDC_UNDO));
    EXPECT_TRUE(Shown(IDC_REDO));

    // Away to another style and back: the same entry, no new batch.
    ClickTab(1);
    EXPECT_TRUE(ShownText().startsWith("Thou "));
    ClickTab(0);
    EXPECT_EQ(window.Text(), first);
    EXPECT_EQ(window.Engine().HistorySize(), 2);
    EXPECT_FALSE(Shown(IDC_UNDO));
    EXPECT_TRUE(Shown(IDC_REDO));

    Click(IDC_REDO);
    EXPECT_EQ(window.Text(), second);
    EXPECT_TRUE(Shown(IDC_UNDO));
    EXPECT_FALSE(Shown(IDC_REDO));
}

// Fifty insults in a row, three a press, bring back no word of a list of 112, nor a word of a
// list of 28 while it is among that list's last 14 draws.
TEST_F(MainDialogTest, AgainBringsBackNoRecentWord)
{
    settings.Set("num", 3);
    std::vector<std::string> lists[2];
    for (int i = 0; i < 140; ++i) {
        lists[i % 5 == 0 ? 1 : 0].push_back((i % 5 == 0 ? "S" : "L") + std::to_string(i));
    }
    Open({{"Arabian", "May %0 %1", {lists[0], lists[1]}}});
    QStringList lines;
    for (int press = 0; press < 17; ++press) {
        lines += ShownText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        Click(IDC_AGAIN);
    }
    ASSERT_EQ(lines.size(), 51);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (qsizetype j = i + 1; j < lines.size(); ++j) {
            const QStringList a = lines[i].split(QLatin1Char(' '));
            const QStringList b = lines[j].split(QLatin1Char(' '));
            EXPECT_TRUE(j - i >= 50 || a[1] != b[1]) << lines[i].toStdString() << " " << j - i;
            EXPECT_TRUE(j - i > 14 || a[2] != b[2]) << lines[i].toStdString() << " " << j - i;
        }
    }
}

TEST_F(MainDialogTest, EnterPressesAgain)
{
    MainDialog& window = Open();
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    EXPECT_EQ(window.Engine().HistorySize(), 2);
    TextBox()->setFocus();
    QTest::keyClick(TextBox(), Qt::Key_Return);
    EXPECT_EQ(window.Engine().HistorySize(), 3);
}

struct ScrollRow {
    const char* name;
    int count;
    std::string templateText;
    int linesPerInsult;
};

class MainDialogScrollTest : public MainDialogTest,
                             public ::testing::WithParamInterface<ScrollRow> {};

// Every text shown (open, Again, Undo, Redo, tab change) leaves the box scrolled down by its
// line count minus 6, so the end of a long batch shows.
TEST_P(MainDialogScrollTest, LongBatchesScrollByTheirLineCountMinusSix)
{
    const ScrollRow& row = GetParam();
    settings.Set("num", row.count);
    std::vector<apptest::StyleFixture> styles = apptest::FourStyles();
    styles[0].templateText = row.templateText;
    Open(styles);
    // count insults, one line each or wrapped, and the empty line after the last break.
    const int expected = row.count * row.linesPerInsult + 1 - 6;
    QScrollBar* bar = TextBox()->verticalScrollBar();
    EXPECT_EQ(TextBoxLineCount(*TextBox()), row.count * row.linesPerInsult + 1);
    EXPECT_EQ(bar->value(), expected) << "on opening";
    Click(IDC_AGAIN);
    EXPECT_EQ(bar->value(), expected) << "after Again";
    Click(IDC_UNDO);
    EXPECT_EQ(bar->value(), expected) << "after Undo";
    Click(IDC_REDO);
    EXPECT_EQ(bar->value(), expected) << "after Redo";
    ClickTab(1);
    EXPECT_EQ(bar->value(), row.count + 1 - 6) << "on the short style";
    ClickTab(0);
    EXPECT_EQ(bar->value(), expected) << "back on the first style";
}

INSTANTIATE_TEST_SUITE_P(
    Counts, MainDialogScrollTest,
    ::testing::Values(
        ScrollRow{"SevenShortLines", 7, "Go %0", 1}, ScrollRow{"TwelveShortLines", 12, "Go %0", 1},
        ScrollRow{"SevenWrappedLines", 7,
                  "Thou art as welcome as a wet dog at the wedding feast of an old king %0", 2}),
    [](const auto& info) { return std::string(info.param.name); });

// A long batch (insults that each wrap over many lines) is scrolled without laying out all
// of its text first: whatever the box has laid out by then, the top line on show is the sixth
// line from the end.
TEST_F(MainDialogTest, ALongBatchShowsItsLastSixLines)
{
    settings.Set("num", 120);
    std::vector<apptest::StyleFixture> styles = apptest::FourStyles();
    std::string line;
    for (int i = 0; i < 60; ++i) {
        line += "thou art as welcome as a wet dog %0 ";
    }
    styles[0].templateText = line;
    Open(styles);
    for (int press = 0; press < 2; ++press) {
        const QTextCursor top = TextBox()->cursorForPosition(QPoint(2, 2));
        QTextBlock block = top.block();
        int lines = block.lineCount() -
                    block.layout()->lineForTextPosition(top.positionInBlock()).lineNumber();
        for (block = block.next(); block.isValid(); block = block.next()) {
            lines += block.lineCount();
        }
        EXPECT_EQ(lines, 6) << "press " << press;
        EXPECT_EQ(top.blockNumber(), 119) << "press " << press;
        Click(IDC_AGAIN);
    }
}

TEST_F(MainDialogTest, SixOrFewerInsultsAreNotScrolled)
{
    settings.Set("num", 6);
    std::vector<apptest::StyleFixture> styles = apptest::FourStyles();
    styles[0].templateText =
        "Thou art as welcome as a wet dog at the wedding feast of an old king %0";
    Open(styles);
    EXPECT_EQ(TextBox()->verticalScrollBar()->value(), 0);
}

struct TabRow {
    const char* name;
    int saved;
    int selected;
};

class MainDialogTabTest : public MainDialogTest, public ::testing::WithParamInterface<TabRow> {};

TEST_P(MainDialogTabTest, SavedTabIsSelectedWhenValid)
{
    settings.Set("level", 1);
    settings.Set("tab", GetParam().saved);
    Open();
    EXPECT_EQ(Tabs()->currentIndex(), GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(Values, MainDialogTabTest,
                         ::testing::Values(TabRow{"Zero", 0, 0}, TabRow{"Three", 3, 3},
                                           TabRow{"Four", 4, 0}, TabRow{"MinusOne", -1, 0},
                                           TabRow{"Huge", 99999, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

enum class CloseWay { ExitButton, ExitMenu, Escape, CloseBox };

struct CloseRow {
    const char* name;
    CloseWay way;
};

class MainDialogCloseTest : public MainDialogTest,
                            public ::testing::WithParamInterface<CloseRow> {};

TEST_P(MainDialogCloseTest, EveryWayOfClosingSavesTheSelectedTab)
{
    settings.Set("level", 1);
    MainDialog& window = Open();
    ClickTab(2);
    switch (GetParam().way) {
        case CloseWay::ExitButton:
            Click(IDCANCEL);
            break;
        case CloseWay::ExitMenu:
            FindMenuAction(&window, ID_FILE_EXIT)->trigger();
            break;
        case CloseWay::Escape:
            QTest::keyClick(&window, Qt::Key_Escape);
            break;
        case CloseWay::CloseBox:
            window.close();
            break;
    }
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(settings.Get("tab", -7), 2);
}

INSTANTIATE_TEST_SUITE_P(Ways, MainDialogCloseTest,
                         ::testing::Values(CloseRow{"ExitButton", CloseWay::ExitButton},
                                           CloseRow{"ExitMenu", CloseWay::ExitMenu},
                                           CloseRow{"Escape", CloseWay::Escape},
                                           CloseRow{"CloseBox", CloseWay::CloseBox}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainDialogTest, ClosingNeverWritesTheWindowSize)
{
    MainDialog& window = Open();
    window.resize(window.size() + QSize(40, 30));
    Click(IDCANCEL);
    dialog.reset();
    EXPECT_EQ(ApplicationProfile().ReadInteger("66", "CX", -1), -1);
}

// Each window seeds the random source from the system's entropy, so windows opened in one
// second (a clock's seed) still show different first batches; its later batches go on from
// that one source, which nothing else seeds.
TEST_F(MainDialogTest, WindowsOpenedInOneSecondDiffer)
{
    std::vector<apptest::StyleFixture> styles = apptest::FourStyles();
    styles[0].lists = {{}, {}};
    for (int word = 0; word < 1000; ++word) {
        styles[0].lists[0].push_back("x" + std::to_string(word));
        styles[0].lists[1].push_back("y" + std::to_string(word));
    }
    std::set<std::string> firstBatches;
    for (int window = 0; window < 4; ++window)
        firstBatches.insert(Open(styles).Engine().CurrentStyle()->History().Entries().at(0));
    EXPECT_EQ(firstBatches.size(), 4u);
}

TEST_F(MainDialogTest, Windows1252TextShowsAndCopiesAsUnicode)
{
    settings.Set("autoCopy", 1);
    std::vector<apptest::StyleFixture> styles = apptest::FourStyles();
    // e acute, left and right double quotation marks in Windows-1252.
    styles[0] = {"Arabian", "Caf\xE9 \x93%0\x94", {{"na\xEFve"}}};
    Open(styles);
    EXPECT_EQ(ShownText(), QString::fromUtf8("Caf\u00e9 \u201cna\u00efve\u201d.\n"));
    EXPECT_EQ(QApplication::clipboard()->text(),
              QString::fromUtf8("Caf\u00e9 \u201cna\u00efve\u201d."));
}

// Data with no style named like a tab: empty texts, a count of 0, and both arrows, as the
// history of no style reports both steps possible.
TEST_F(MainDialogTest, NoMatchingStyleShowsEmptyTextAndBothArrows)
{
    Open({{"Klingon", "Qapla %0", {{"x"}}}});
    EXPECT_EQ(ShownText(), "");
    EXPECT_EQ(Label(), "0 combinations available");
    EXPECT_TRUE(Shown(IDC_UNDO));
    EXPECT_TRUE(Shown(IDC_REDO));
    Click(IDC_UNDO);
    EXPECT_EQ(ShownText(), "");
}

TEST_F(MainDialogTest, SettingsAreReadAtConstruction)
{
    settings.Set("num", 40000);
    settings.Set("caps", 2);
    settings.Set("ontop", 5);
    settings.Set("level", 3);
    settings.Set("tooltips", 0);
    settings.Set("autocopy", 1);
    MainDialog window;
    EXPECT_EQ(window.Options().count, -25536);
    EXPECT_EQ(window.Options().capitalise, 2);
    EXPECT_EQ(window.Options().alwaysOnTop, 5);
    EXPECT_EQ(window.Options().level, 3);
    EXPECT_EQ(window.Options().tooltips, 0);
    EXPECT_EQ(window.Options().autoCopy, 1);
}

TEST_F(MainDialogTest, CapitalisationOnlyWhenTheSettingIsOne)
{
    settings.Set("caps", 2);
    Open({{"Arabian", "%0 it is", {{"lower"}}}});
    EXPECT_EQ(ShownText(), "lower it is.\n");
}

TEST_F(MainDialogTest, ControlsCarryTheirToolTips)
{
    Open();
    const std::vector<std::pair<int, QString>> tips = {
        {IDC_ABOUT, "About Razzlewick.  Also feedback and web page info"},
        {IDC_AGAIN, "Generate the insult(s)"},
        {IDC_COPY, "Copy to the clipboard as text"},
        {IDC_PICTURE, "A picture"},
        {IDC_COMBINATIONS, "Number of combinations available"},
        {IDC_UNDO, "Undo"},
        {IDC_REDO, "Redo"},
        {IDC_STYLE_TABS, "Select a style"},
    };
    for (const auto& [id, text] : tips) {
        EXPECT_EQ(guitest::Control<QWidget>(dialog.get(), id)->toolTip(), text) << id;
    }
}

// A tooltip request while tooltips are off never reaches the control.
TEST_F(MainDialogTest, ToolTipsOffSwallowsTheRequests)
{
    for (int setting : {1, 0}) {
        settings.Set("tooltips", setting);
        Open();
        QWidget* again = guitest::Control<QWidget>(dialog.get(), IDC_AGAIN);
        QToolTip::hideText();
        QHelpEvent request(QEvent::ToolTip, again->rect().center(),
                           again->mapToGlobal(again->rect().center()));
        QApplication::sendEvent(again, &request);
        EXPECT_EQ(QToolTip::isVisible(), setting == 1) << "tooltips=" << setting;
        EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(),
                  setting == 1 ? QString("Generate the insult(s)") : QString());
        QToolTip::hideText();
    }
}

TEST_F(MainDialogTest, AlwaysOnTopIsAppliedAndChangesKeepTheWindowInPlace)
{
    // On top adds that one flag: the title bar's buttons and the dialog kind stay.
    const Qt::WindowFlags usual = Open().windowFlags();
    ASSERT_FALSE(usual.testFlag(Qt::WindowStaysOnTopHint));
    settings.Set("ontop", 1);
    MainDialog& window = Open();
    EXPECT_EQ(window.windowFlags(), usual | Qt::WindowStaysOnTopHint);
    const QRect placed = window.geometry();
    window.PlaceTopmost(false);
    EXPECT_EQ(window.windowFlags(), usual);
    EXPECT_EQ(window.windowHandle()->flags(), usual);
    window.PlaceTopmost(true);
    EXPECT_EQ(window.windowFlags(), usual | Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window.windowHandle()->flags(), usual | Qt::WindowStaysOnTopHint);
    guitest::ProcessEvents();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), placed);
}

TEST_F(MainDialogTest, WindowIconAndPicturesAreLoaded)
{
    MainDialog& window = Open();
    EXPECT_FALSE(window.windowIcon().isNull());
    auto* picture = guitest::Control<QLabel>(dialog.get(), IDC_PICTURE);
    const QImage arabian = picture->pixmap().toImage();
    EXPECT_FALSE(arabian.isNull());
    ClickTab(1);
    EXPECT_NE(picture->pixmap().toImage(), arabian);
}

}  // namespace
