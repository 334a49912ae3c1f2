#include "app/StartupProblemsDialog.h"

#include "data/InsultGenerator.h"
#include "data/LoadMessages.h"
#include "resources/templates/ResourceIds.h"
#include "settings/ProfileFile.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/GuiTesting.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

using namespace razzlewick;

namespace {

LoadResult Ok(const char* name)
{
    return {name, std::string(kLoadSucceeded), false};
}
LoadResult Failed(const char* name, const char* message)
{
    return {name, message, true};
}
LoadResult Closing(std::string_view message)
{
    return {"", std::string(message), true};
}

class StartupProblemsDialogTest : public ::testing::Test {
protected:
    StartupProblemsDialog& Open(const std::vector<LoadResult>& report,
                                StartupProblemsDialog::Reload reload = {})
    {
        dialog = std::make_unique<StartupProblemsDialog>(report, nullptr, std::move(reload));
        dialog->open();
        return *dialog;
    }
    QString Shown() const
    {
        return guitest::Control<QPlainTextEdit>(dialog.get(), IDC_REPORT)->toPlainText();
    }
    bool ContinueEnabled() const
    {
        return guitest::Control<QAbstractButton>(dialog.get(), IDOK)->isEnabled();
    }
    bool TryAgainOffered() const
    {
        return guitest::Control<QAbstractButton>(dialog.get(), IDC_TRY_AGAIN)->isVisible();
    }

    apptest::TempSettings settings;
    std::unique_ptr<StartupProblemsDialog> dialog;
};

TEST_F(StartupProblemsDialogTest, OneFileReadOneNotListsBothAndOffersContinue)
{
    StartupProblemsDialog& problems =
        Open({Ok("insltdat.dat"), Failed("extra.dat", "Incompatible or corrupted data file")});
    EXPECT_EQ(problems.ReportText(),
              "insltdat.dat - Succeeded\r\nextra.dat - Incompatible or corrupted data file\r\n");
    EXPECT_EQ(Shown(),
              "insltdat.dat - Succeeded\nextra.dat - Incompatible or corrupted data file\n");
    EXPECT_EQ(problems.SuccessCount(), 1);
    EXPECT_TRUE(ContinueEnabled());
    EXPECT_EQ(problems.windowTitle(), "Razzlewick");
    EXPECT_FALSE(problems.windowIcon().isNull());
}

// Lines found by a search say where the file is, and what to do when more is known.
TEST_F(StartupProblemsDialogTest, ALineNamesTheFolderAndGivesTheHint)
{
    LoadResult json{"oops.dat", "Incompatible or corrupted data file", true, "/home/u/styles/",
                    "It holds JSON text"};
    EXPECT_EQ(Open({Ok("insltdat.dat"), json}).ReportText(),
              "insltdat.dat - Succeeded\r\n/home/u/styles/oops.dat - Incompatible or corrupted "
              "data file. It holds JSON text\r\n");
}

TEST_F(StartupProblemsDialogTest, EveryFileFailedShowsTheClosingLineAndNoContinue)
{
    StartupProblemsDialog& problems =
        Open({Failed("a.dat", "File is locked, cannot read."),
              Failed("b.dat", "Incompatible or corrupted data file"), Closing(kLoadNoneLoaded)});
    EXPECT_EQ(Shown(),
              "a.dat - File is locked, cannot read.\n"
              "b.dat - Incompatible or corrupted data file\n"
              "No data files were successfully loaded.  Cannot continue\n");
    EXPECT_EQ(problems.SuccessCount(), 0);
    EXPECT_FALSE(ContinueEnabled());
}

TEST_F(StartupProblemsDialogTest, NoFileFoundShowsOnlyTheLongTextWithItsOwnLineBreaks)
{
    Open({Closing(kLoadNoFilesFound)});
    const QStringList lines = Shown().split('\n');
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "No data files were found!");
    EXPECT_EQ(lines[1], "");
    EXPECT_TRUE(lines[2].startsWith("If you got Razzlewick via an email"));
    EXPECT_EQ(lines[3], "");
    EXPECT_TRUE(lines[4].startsWith("Please note that Razzlewick searches"));
    EXPECT_EQ(lines[5], "");
    EXPECT_FALSE(ContinueEnabled());
    // The long lines wrap inside the box instead of running off to the right.
    EXPECT_EQ(guitest::Control<QPlainTextEdit>(dialog.get(), IDC_REPORT)
                  ->horizontalScrollBar()
                  ->maximum(),
              0);
}

TEST_F(StartupProblemsDialogTest, SameFileFoundInBothFoldersIsListedTwice)
{
    StartupProblemsDialog& problems = Open({Ok("insltdat.dat"), Ok("insltdat.dat")});
    EXPECT_EQ(Shown(), "insltdat.dat - Succeeded\ninsltdat.dat - Succeeded\n");
    EXPECT_EQ(problems.SuccessCount(), 2);
}

TEST_F(StartupProblemsDialogTest, FileNamesShowAsTheFileSystemSpellsThem)
{
    Open({Failed("w\xC3\xB6rter.dat", "Incompatible or corrupted data file"),
          Failed("caf\xE9.dat", "Incompatible or corrupted data file")});
    const QStringList lines = Shown().split('\n');
    EXPECT_TRUE(lines[0].startsWith(QString::fromUtf8("w\u00f6rter.dat - ")));
    // Not UTF-8: every byte still shows.
    EXPECT_TRUE(lines[1].startsWith(QString::fromUtf8("caf\u00e9.dat - ")));
}

// A data file's path of 300 characters, nearly all "é" folders: its report line is cut to 254
// characters between two of them and shows them, not their bytes read as Windows-1252.
TEST_F(StartupProblemsDialogTest, LongPathOfAccentedFoldersIsCutBetweenCharacters)
{
    QTemporaryDir root;
    QByteArray folder = root.path().toUtf8() + '/';
    // With an odd number of bytes before the two-byte characters, byte 254 falls inside one.
    if ((folder.size() + std::string_view("Access to ").size()) % 2 == 0) {
        folder += 'd';
    }
    // Three folders of "é" bring the path with "x.dat" to 300 characters.
    const qsizetype left = 300 - folder.size() - qsizetype{std::string_view("x.dat").size()};
    for (const qsizetype characters : {left / 3 - 1, left / 3 - 1, left - 2 * (left / 3) - 1}) {
        folder += QByteArray("\xC3\xA9").repeated(characters) + '/';
    }
    ASSERT_TRUE(QDir().mkpath(QString::fromUtf8(folder + "x.dat")));
    InsultGenerator engine;
    std::vector<LoadResult> report;
    engine.LoadDataFiles(&report, folder.toStdString());
    Open(report);

    const QString path = QString::fromUtf8(folder + "x.dat");
    EXPECT_EQ(path.size(), 300);
    // The line names the file with its folder; the message alone is cut.
    const QString line =
        path + " - " + QStringLiteral("Access to %1 was denied.").arg(path).left(254);
    EXPECT_TRUE(Shown().split('\n').contains(line)) << Shown().toStdString();
}

// The dialog has no sizing frame, yet a saved size still applies; a run without a resize
// by the user leaves the stored entries alone, even where the saved size could not apply.
TEST_F(StartupProblemsDialogTest, OpensAtTheSavedSizeAndKeepsTheStoredEntries)
{
    struct Row {
        int cx;
        int cy;
        bool applies;  // a size below the creation size does not
    };
    for (const Row row : {Row{700, 400, true}, Row{100, 50, false}}) {
        SCOPED_TRACE(testing::Message() << row.cx << "x" << row.cy);
        ApplicationProfile().WriteInteger("99", "CX", row.cx);
        ApplicationProfile().WriteInteger("99", "CY", row.cy);
        {
            StartupProblemsDialog problems({Closing(kLoadNoneLoaded)}, nullptr);
            const QSize created = problems.size();
            problems.show();
            guitest::ProcessEvents();
            if (row.applies) {
                EXPECT_EQ(problems.frameGeometry().size(), QSize(row.cx, row.cy));
            } else {
                EXPECT_EQ(problems.size(), created);
            }
            problems.reject();
        }
        EXPECT_EQ(ApplicationProfile().ReadInteger("99", "CX", 0), row.cx);
        EXPECT_EQ(ApplicationProfile().ReadInteger("99", "CY", 0), row.cy);
    }
}

enum class Way { Continue, Exit, Escape, CloseBox };

struct ProblemsCloseRow {
    const char* name;
    Way way;
    int result;
};

class StartupProblemsCloseTest : public StartupProblemsDialogTest,
                                 public ::testing::WithParamInterface<ProblemsCloseRow> {};

TEST_P(StartupProblemsCloseTest, ContinueAcceptsEveryOtherWayCancels)
{
    StartupProblemsDialog& problems = Open({Ok("a.dat"), Failed("b.dat", "bad")});
    switch (GetParam().way) {
        case Way::Continue:
            ASSERT_TRUE(guitest::ClickControl(&problems, IDOK));
            break;
        case Way::Exit:
            ASSERT_TRUE(guitest::ClickControl(&problems, IDCANCEL));
            break;
        case Way::Escape:
            QTest::keyClick(&problems, Qt::Key_Escape);
            break;
        case Way::CloseBox:
            problems.close();
            break;
    }
    EXPECT_FALSE(problems.isVisible());
    EXPECT_EQ(problems.result(), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, StartupProblemsCloseTest,
    ::testing::Values(ProblemsCloseRow{"Continue", Way::Continue, QDialog::Accepted},
                      ProblemsCloseRow{"Exit", Way::Exit, QDialog::Rejected},
                      ProblemsCloseRow{"Escape", Way::Escape, QDialog::Rejected},
                      ProblemsCloseRow{"CloseBox", Way::CloseBox, QDialog::Rejected}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupProblemsDialogTest, TryAgainIsOfferedOnlyWhenNothingLoaded)
{
    const auto reload = [](std::vector<LoadResult>&) { return false; };
    Open({Failed("a.dat", "File is locked, cannot read."), Closing(kLoadNoneLoaded)}, reload);
    EXPECT_TRUE(TryAgainOffered());
    Open({Ok("a.dat"), Failed("b.dat", "File is locked, cannot read.")}, reload);
    EXPECT_FALSE(TryAgainOffered());
    // Nothing to load again with.
    Open({Closing(kLoadNoneLoaded)});
    EXPECT_FALSE(TryAgainOffered());
}

// Each try loads afresh: a report still without a file read replaces the old one; one with a
// file read offers to continue instead; a clean load goes on at once.
TEST_F(StartupProblemsDialogTest, TryingAgainShowsTheNewReportOrGoesOn)
{
    std::vector<std::vector<LoadResult>> answers = {
        {Failed("b.dat", "Incompatible or corrupted data file"), Closing(kLoadNoneLoaded)},
        {Ok("a.dat"), Failed("b.dat", "Incompatible or corrupted data file")}};
    int reloads = 0;
    StartupProblemsDialog& problems =
        Open({Failed("a.dat", "File is locked, cannot read."), Closing(kLoadNoneLoaded)},
             [&](std::vector<LoadResult>& report) {
                 report = answers.at(static_cast<size_t>(reloads++));
                 return false;
             });
    ASSERT_TRUE(guitest::ClickControl(&problems, IDC_TRY_AGAIN));
    EXPECT_EQ(Shown(),
              "b.dat - Incompatible or corrupted data file\n"
              "No data files were successfully loaded.  Cannot continue\n");
    EXPECT_TRUE(TryAgainOffered());
    EXPECT_FALSE(ContinueEnabled());
    QTest::keyClick(&problems, Qt::Key_Return);  // the default button while nothing loaded
    EXPECT_EQ(reloads, 2);
    EXPECT_TRUE(Shown().startsWith("a.dat - Succeeded\n"));
    EXPECT_TRUE(ContinueEnabled());
    EXPECT_FALSE(TryAgainOffered());
    EXPECT_TRUE(problems.isVisible());

    StartupProblemsDialog& clean =
        Open({Closing(kLoadNoneLoaded)}, [](std::vector<LoadResult>& report) {
            report = {Ok("a.dat")};
            return true;
        });
    ASSERT_TRUE(guitest::ClickControl(&clean, IDC_TRY_AGAIN));
    EXPECT_FALSE(clean.isVisible());
    EXPECT_EQ(clean.result(), QDialog::Accepted);
}

TEST_F(StartupProblemsDialogTest, AboutOpensTheAboutBoxAndLeavesTheDialogAsItWas)
{
    StartupProblemsDialog& problems = Open({Closing(kLoadNoneLoaded)});
    const QString before = Shown();
    QWidget* aboutBox = nullptr;
    guitest::WhileModal([&problems] { ASSERT_TRUE(guitest::ClickControl(&problems, IDC_ABOUT)); },
                        [&aboutBox](QWidget& box) { aboutBox = &box; });
    ASSERT_NE(aboutBox, nullptr);
    EXPECT_NE(aboutBox, &problems);
    EXPECT_TRUE(problems.isVisible());
    EXPECT_EQ(Shown(), before);
    EXPECT_FALSE(ContinueEnabled());
}

}  // namespace
