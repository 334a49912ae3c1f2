#include "app/FavouritesDialog.h"
#include "app/MainDialog.h"
#include "resources/templates/ResourceIds.h"
#include "settings/FavouritesFile.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/DataFolders.h"
#include "tests/support/FakePrograms.h"
#include "tests/support/GuiTesting.h"
#include "tests/support/MessageBoxRecorder.h"
#include "ui/ConfirmationTip.h"
#include "ui/DialogBuilder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace razzlewick;

namespace {

class FavouritesTest : public ::testing::Test {
protected:
    std::string Path() const { return FavouritesFile::DefaultPath(); }
    std::vector<std::string> Kept() const
    {
        std::vector<std::string> texts;
        for (const Favourite& favourite : FavouritesFile(Path()).Read().favourites)
            texts.push_back(favourite.style + ": " + favourite.text);
        return texts;
    }
    MainDialog& OpenMain()
    {
        main = std::make_unique<MainDialog>();
        apptest::AddStyles(main->Engine(), apptest::FourStyles());
        main->open();
        return *main;
    }
    FavouritesDialog& OpenFavourites()
    {
        dialog = std::make_unique<FavouritesDialog>(Path(), nullptr);
        dialog->open();
        return *dialog;
    }
    QTreeView* List() const
    {
        return guitest::Control<QTreeView>(dialog.get(), IDC_FAVOURITES_LIST);
    }
    std::vector<QString> Rows() const
    {
        std::vector<QString> rows;
        const QAbstractItemModel* model = List()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            rows.push_back(model->index(row, 0).data().toString() + " " +
                           model->index(row, 1).data().toString() + " " +
                           model->index(row, 2).data().toString());
        return rows;
    }

    apptest::TempSettings settings;
    ScopedDataFolders data;
    MessageBoxRecorder messages;
    std::unique_ptr<MainDialog> main;
    std::unique_ptr<FavouritesDialog> dialog;
};

// The cursor's line, a selection's lines, each text once, and never the disabled message.
TEST_F(FavouritesTest, KeepTakesTheInsultsAtTheCursorOnce)
{
    settings.Set("num", 3);
    settings.Set("tab", 1);
    MainDialog& window = OpenMain();
    auto* box = guitest::Control<QPlainTextEdit>(&window, IDC_INSULT_TEXT);
    // Three insults as a batch shows them, their final line break included, without the
    // chance of a repeat.
    box->setPlainText(QStringLiteral("Thou knave.\nThou loon.\nThou caf\u00e9 fool.\n"));
    const auto line = [box](int number) {
        return "Shakespearean: " +
               box->document()->findBlockByNumber(number).text().toLatin1().toStdString();
    };
    QAction* keep = FindMenuAction(&window, ID_FILE_KEEP);
    EXPECT_EQ(keep->shortcut(), QKeySequence(QStringLiteral("Ctrl+K")));

    QTextCursor cursor(box->document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 3);
    box->setTextCursor(cursor);
    keep->trigger();
    EXPECT_EQ(Kept(), std::vector<std::string>{line(1)});
    const auto* tip = window.findChild<ConfirmationTip*>();
    EXPECT_EQ(tip->Text(), "Kept");

    // From the middle of the first line to the very start of the third: the first two.
    cursor.setPosition(2);
    cursor.setPosition(box->document()->findBlockByNumber(2).position(), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    keep->trigger();
    EXPECT_EQ(Kept(), (std::vector<std::string>{line(1), line(0)}));
    EXPECT_EQ(tip->Text(), "Kept");
    keep->trigger();
    EXPECT_EQ(Kept().size(), 2u);
    EXPECT_EQ(tip->Text(), "Kept already");
    box->moveCursor(QTextCursor::End);
    keep->trigger();
    EXPECT_EQ(Kept(), (std::vector<std::string>{line(1), line(0), line(2)}));

    settings.Set("tab", 2);
    OpenMain();
    FindMenuAction(main.get(), ID_FILE_KEEP)->trigger();
    EXPECT_EQ(Kept().size(), 3u) << "the disabled message is no insult";
}

TEST_F(FavouritesTest, TheWindowListsNewestFirstAndCopiesRemovesAndRestores)
{
    data.WriteFile(data.UserFolder(), "favourites.txt",
                   "2026-01-01 [Arabian] oldest\n2026-03-01 [Modern] newest\nnonsense\n"
                   "2026-02-01 [Arabian] middle\n");
    OpenFavourites();
    EXPECT_EQ(Rows(), (std::vector<QString>{"2026-03-01 Modern newest", "2026-02-01 Arabian middle",
                                            "2026-01-01 Arabian oldest"}));
    EXPECT_EQ(guitest::Control<QLabel>(dialog.get(), IDC_FAVOURITES_STATUS)->text(),
              "favourites.txt line 3: no date (YYYY-MM-DD) at its start; the line is skipped");

    guitest::Control<QLineEdit>(dialog.get(), IDC_FAVOURITES_FILTER)
        ->setText(QStringLiteral("ARAB"));
    ASSERT_EQ(Rows().size(), 2u);
    List()->selectAll();
    ASSERT_TRUE(guitest::ClickControl(dialog.get(), IDC_COPY_FAVOURITES));
    EXPECT_EQ(QApplication::clipboard()->text(), "middle\noldest");

    ASSERT_TRUE(guitest::ClickControl(dialog.get(), IDC_REMOVE_FAVOURITES));
    EXPECT_EQ(Kept(), std::vector<std::string>{"Modern: newest"});
    EXPECT_TRUE(Rows().empty());
    guitest::Control<QLineEdit>(dialog.get(), IDC_FAVOURITES_FILTER)->clear();
    EXPECT_EQ(Rows(), std::vector<QString>{"2026-03-01 Modern newest"});

    ASSERT_TRUE(guitest::ClickControl(dialog.get(), IDC_UNDO_REMOVE));
    EXPECT_EQ(Rows().size(), 3u);
    EXPECT_EQ(Rows()[2], "2026-01-01 Arabian oldest");
    EXPECT_FALSE(guitest::Control<QWidget>(dialog.get(), IDC_UNDO_REMOVE)->isEnabled());
    EXPECT_NE(ReadWholeFile(Path()).find("nonsense\n"), std::string::npos);
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(FavouritesTest, OpenTheFilesFolderMakesItAndSaysWhenNothingCanOpenIt)
{
    const testing_support::FakePrograms fakes;
    fakes.Add("xdg-open");
    OpenFavourites();
    ASSERT_TRUE(guitest::ClickControl(dialog.get(), IDC_OPEN_FAVOURITES_FOLDER));
    const std::string folder = Path().substr(0, Path().rfind('/') + 1);
    EXPECT_EQ(fakes.Calls("xdg-open"), std::vector<std::vector<std::string>>{{folder}});
    fakes.SetExit("xdg-open", "3");
    ASSERT_TRUE(guitest::ClickControl(dialog.get(), IDC_OPEN_FAVOURITES_FOLDER));
    EXPECT_TRUE(messages.LastText().startsWith(QString::fromStdString("Can't open " + folder)))
        << messages.LastText().toStdString();
}

}  // namespace
