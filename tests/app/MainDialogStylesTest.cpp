#include "app/MainDialog.h"
#include "resources/templates/ResourceIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/DataFolders.h"
#include "tests/support/GuiTesting.h"
#include "ui/TemplatePicture.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

using namespace razzlewick;

namespace {

using apptest::StyleFixture;

// The styles beyond the four tabs: a tab each, and the data files read again while the
// window is open. Styles come from real data files in folders of the test's own, so that
// they know their files as the program's do.
class MainDialogStylesTest : public DataSearchTest {
protected:
    MainDialogStylesTest()
    {
        EXPECT_TRUE(apptest::WriteDataFile(program / "insltdat.dat", apptest::FourStyles()));
    }

    void Install(const std::string& name, const std::vector<StyleFixture>& styles)
    {
        std::filesystem::create_directories(data.UserFolder());
        EXPECT_TRUE(apptest::WriteDataFile(data.UserFolder() + name, styles));
    }

    MainDialog& Open()
    {
        dialog = std::make_unique<MainDialog>();
        dialog->Engine().LoadDataFiles(nullptr, program.path());
        dialog->open();
        return *dialog;
    }

    QTabBar* Tabs() const { return guitest::Control<QTabBar>(dialog.get(), IDC_STYLE_TABS); }
    QString ShownText() const
    {
        return guitest::Control<QPlainTextEdit>(dialog.get(), IDC_INSULT_TEXT)->toPlainText();
    }
    TemplatePicture* Picture() const
    {
        return guitest::Control<TemplatePicture>(dialog.get(), IDC_PICTURE);
    }
    bool Shown(int id) const { return guitest::Control<QWidget>(dialog.get(), id)->isVisible(); }
    void ClickTab(int index)
    {
        QTest::mouseClick(Tabs(), Qt::LeftButton, {}, Tabs()->tabRect(index).center());
        ASSERT_EQ(Tabs()->currentIndex(), index);
    }

    apptest::TempSettings settings;
    std::unique_ptr<MainDialog> dialog;
};

TEST_F(MainDialogStylesTest, EveryFurtherStyleGetsATabInNameOrderThatWorksLikeTheOthers)
{
    Install("mine.dat", {{"zebra", "Stripes of %0", {{"ink", "tar"}}},
                         {"b&w", "Grey %0", {{"fog"}}},
                         {"Pirate", "Arr, ye %0", {{"swab", "bilge rat"}}},
                         {"Crew of the Black Gull, Ahoy!!", "Ahoy %0", {{"x"}}, "zf30"},
                         {"Crew of the Black Gull, Avast!!", "Avast %0", {{"x"}}, "zf31"}});
    settings.Set("tab", 6);
    Open();

    ASSERT_EQ(Tabs()->count(), 9);
    EXPECT_EQ(Tabs()->tabText(3), "Mediterranean");
    // "&" would mark a shortcut letter: it shows as itself.
    EXPECT_EQ(Tabs()->tabText(4), "b&&w");
    EXPECT_EQ(Tabs()->tabText(5), "Pirate");
    EXPECT_EQ(Tabs()->tabText(6), "zebra");
    // In the order of their keys, by their names: thirty characters whole, more cut to fit.
    EXPECT_EQ(Tabs()->tabText(7), "Crew of the Black Gull, Ahoy!!");
    EXPECT_EQ(Tabs()->tabText(8), QStringLiteral("Crew of the Black Gull, Avast") + QChar(0x2026));
    // The saved tab of a further style opens it; the level does not withhold it.
    EXPECT_EQ(Tabs()->currentIndex(), 6);
    EXPECT_TRUE(ShownText().startsWith(QStringLiteral("Stripes of "))) << ShownText().toStdString();
    EXPECT_EQ(guitest::Control<QLabel>(dialog.get(), IDC_COMBINATIONS)->text(),
              QStringLiteral("1 combinations available"));

    ClickTab(5);
    const QString first = ShownText();
    EXPECT_TRUE(first.startsWith(QStringLiteral("Arr, ye "))) << first.toStdString();
    EXPECT_FALSE(Shown(IDC_UNDO));
    ASSERT_TRUE(guitest::ClickControl(dialog.get(), IDC_AGAIN));
    EXPECT_TRUE(Shown(IDC_UNDO));
    ASSERT_TRUE(guitest::ClickControl(dialog.get(), IDC_UNDO));
    EXPECT_EQ(ShownText(), first);
    ASSERT_TRUE(guitest::ClickControl(dialog.get(), IDC_COPY));
    EXPECT_EQ(QApplication::clipboard()->text(), apptest::AsCopied(dialog->Text()));
}

TEST_F(MainDialogStylesTest, AFurtherStyleShowsItsAuthorsPictureOrOurs)
{
    Install("pirate.dat", {{"Pirate", "Arr, ye %0", {{"swab"}}}});
    Install("ninja.dat", {{"Ninja", "Hai, %0", {{"shadow"}}}});
    std::ofstream(data.UserFolder() + "pirate.svg")
        << R"(<svg xmlns="http://www.w3.org/2000/svg" width="300" height="100">)"
           R"(<rect width="300" height="100" fill="#ff0000"/></svg>)";
    // A picture that is none shows ours in its place.
    std::ofstream(data.UserFolder() + "Ninja.png") << "not a picture";
    Open();

    ClickTab(5);
    EXPECT_EQ(Picture()->PictureFile().toStdString(), data.UserFolder() + "pirate.svg");
    // Fitted into the control with its proportions: three times as wide as it is high.
    const QSize drawn = Picture()->pixmap().deviceIndependentSize().toSize();
    EXPECT_LE(drawn.width(), Picture()->contentsRect().width());
    EXPECT_NEAR(drawn.width(), 3 * drawn.height(), 3);
    EXPECT_EQ(Picture()->pixmap().toImage().pixelColor(drawn.width() / 2, drawn.height() / 2),
              QColor(Qt::red));

    ClickTab(4);
    const QImage ours = Picture()->pixmap().toImage();
    EXPECT_FALSE(ours.isNull());
    ClickTab(0);
    EXPECT_NE(Picture()->pixmap().toImage(), ours);
    EXPECT_EQ(Picture()->PictureId(), IDB_ARABIAN);
}

// Installed and removed while the window is open: one reload and the tabs follow.
TEST_F(MainDialogStylesTest, ReloadAddsAndRemovesTabsAndKeepsTheHistoryOfWhatRemains)
{
    Install("pirate.dat", {{"Pirate", "Arr, ye %0", {{"swab", "bilge rat", "landlubber"}}}});
    Open();
    ClickTab(4);
    ASSERT_TRUE(guitest::ClickControl(dialog.get(), IDC_AGAIN));
    const QString second = ShownText();

    Install("ninja.dat", {{"Ninja", "Hai, %0", {{"shadow"}}}});
    dialog->ReloadDataFiles();
    ASSERT_EQ(Tabs()->count(), 6);
    EXPECT_EQ(Tabs()->tabText(4), "Ninja");
    EXPECT_EQ(Tabs()->currentIndex(), 5);
    EXPECT_EQ(Tabs()->tabText(5), "Pirate");
    // The same entry, not a new batch, with the way back still there.
    EXPECT_EQ(ShownText(), second);
    EXPECT_TRUE(Shown(IDC_UNDO));

    std::filesystem::remove(data.UserFolder() + "pirate.dat");
    dialog->ReloadDataFiles();
    ASSERT_EQ(Tabs()->count(), 5);
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_TRUE(ShownText().startsWith(QStringLiteral("May the fleas of ")))
        << ShownText().toStdString();
    ASSERT_TRUE(guitest::ClickControl(dialog.get(), IDC_AGAIN));
    EXPECT_TRUE(Shown(IDC_UNDO));
}

// Six styles, and eight, on a strip made for four: the window grows so that every tab and
// its whole label shows without scroll buttons. Run at 100 % and, on a screen of twice the
// density, at 200 %; both screens are 800 pixels wide, which eight short names fit.
TEST_F(MainDialogStylesTest, UpToEightStylesShowEveryTabWhole)
{
    for (const std::vector<std::string>& keys : std::vector<std::vector<std::string>>{
             {"Quartermaster", "Corporate Jargon"}, {"Pirate", "Ninja", "Buccaneer", "Corsair"}}) {
        std::vector<StyleFixture> crew;
        for (const std::string& key : keys)
            crew.push_back({key, "%0", {{"swab"}}});
        Install("crew.dat", crew);
        Open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        const std::size_t further = crew.size();
        ASSERT_EQ(static_cast<std::size_t>(Tabs()->count()), 4 + further);
        for (int tab = 0; tab < Tabs()->count(); ++tab) {
            const QRect rect = Tabs()->tabRect(tab);
            EXPECT_TRUE(Tabs()->rect().contains(rect)) << further << " tab " << tab;
            EXPECT_GE(rect.width(), Tabs()->fontMetrics().horizontalAdvance(Tabs()->tabText(tab)))
                << Tabs()->tabText(tab).toStdString();
        }
        for (const QToolButton* button : Tabs()->findChildren<QToolButton*>())
            EXPECT_FALSE(button->isVisible());
    }
}

// Twelve styles on a strip made for four: the tabs keep their height, the strip scrolls with
// buttons no taller than the headers, and the selected tab is always in view.
TEST_F(MainDialogStylesTest, ManyTabsScrollWithinTheHeaders)
{
    Open();
    const int boxTop = guitest::Control<QWidget>(dialog.get(), IDC_INSULT_TEXT)->y();
    const int headerHeight = Tabs()->tabRect(0).height();
    std::vector<StyleFixture> more;
    for (const char* key : {"Admiral", "Buccaneer", "Corsair", "Deckhand", "Ensign", "Freebooter",
                            "Gunner", "Helmsman"})
        more.push_back({key, std::string(key) + " %0", {{"swab"}}});
    Install("crew.dat", more);
    dialog->ReloadDataFiles();

    ASSERT_EQ(Tabs()->count(), 12);
    EXPECT_EQ(Tabs()->tabRect(11).height(), headerHeight);
    EXPECT_EQ(guitest::Control<QWidget>(dialog.get(), IDC_INSULT_TEXT)->y(), boxTop);
    const QList<QToolButton*> buttons = Tabs()->findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 2);
    for (const QToolButton* button : buttons) {
        EXPECT_TRUE(button->isVisible());
        EXPECT_LE(button->geometry().bottom(), headerHeight);
    }
    Tabs()->setCurrentIndex(11);
    EXPECT_TRUE(Tabs()->rect().contains(Tabs()->tabRect(11))) << Tabs()->tabRect(11).x();
    EXPECT_TRUE(ShownText().startsWith(QStringLiteral("Helmsman "))) << ShownText().toStdString();
}

// A folder of thousands of styles must not keep the window from appearing: the strip stops
// at its most tabs, the first styles in tab order.
TEST_F(MainDialogStylesTest, TabsStopAtTheMostTheStripTakes)
{
    std::vector<StyleFixture> many;
    for (std::size_t i = 0; i < MainDialog::kMostTabs; ++i)
        many.push_back({"S" + std::to_string(1000 + i), "%0", {{"w"}}});
    Install("many.dat", many);
    Open();
    ASSERT_EQ(static_cast<std::size_t>(Tabs()->count()), MainDialog::kMostTabs);
    EXPECT_EQ(dialog->TabKeys().back(), "S" + std::to_string(1000 + MainDialog::kMostTabs - 5));
}

}  // namespace
