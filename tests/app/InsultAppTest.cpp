#include "app/InsultApp.h"

#include "app/MainDialog.h"
#include "app/StartupProblemsDialog.h"
#include "resources/templates/ResourceIds.h"
#include "settings/ProfileFile.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/DataFolders.h"
#include "tests/support/GuiTesting.h"
#include "tests/support/MessageBoxRecorder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using namespace razzlewick;

namespace {

// Runs start-up over a program folder of our own, from an empty current folder, and
// answers each modal run with `answer` instead of waiting for a person.
class InsultAppTest : public ::testing::Test {
protected:
    InsultAppTest() : previousFolder_(QDir::currentPath())
    {
        QDir::setCurrent(currentFolder_.path());
    }
    ~InsultAppTest() override { QDir::setCurrent(previousFolder_); }

    std::string ProgramFolder() const { return programFolder_.path().toStdString() + "/"; }
    void WriteGoodFile(const char* name)
    {
        ASSERT_TRUE(apptest::WriteDataFile(ProgramFolder() + name, apptest::FourStyles()));
    }
    void WriteBadFile(const char* name)
    {
        QFile file(programFolder_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a data file at all");
    }

    // Each modal run is recorded by kind; the main window's run is answered by closing it.
    void Run(std::function<int(StartupProblemsDialog&)> answerProblems)
    {
        InsultApp app(ProgramFolder(), [&](QDialog& dialog) {
            dialog.open();
            if (auto* problems = qobject_cast<StartupProblemsDialog*>(&dialog)) {
                runs.push_back("problems");
                return answerProblems(*problems);
            }
            if (auto* main = qobject_cast<MainDialog*>(&dialog)) {
                runs.push_back("main");
                mainText = main->Text();
                mainStyles = main->Engine().Styles().size();
                guitest::ClickControl(main, IDCANCEL);
                return main->result();
            }
            runs.push_back("other");
            return static_cast<int>(QDialog::Rejected);
        });
        app.Run();
    }

    static int Press(StartupProblemsDialog& problems, int id)
    {
        guitest::ClickControl(&problems, id);
        return problems.result();
    }

    apptest::TempSettings settings;
    ScopedDataFolders dataFolders;
    std::vector<std::string> runs;
    std::string mainText;
    size_t mainStyles = 0;
    QString problemsText;

private:
    QTemporaryDir programFolder_;
    QTemporaryDir currentFolder_;
    QString previousFolder_;
};

TEST_F(InsultAppTest, CleanLoadOpensTheMainWindowDirectly)
{
    WriteGoodFile("insltdat.dat");
    Run([](StartupProblemsDialog&) { return static_cast<int>(QDialog::Accepted); });
    EXPECT_EQ(runs, (std::vector<std::string>{"main"}));
    EXPECT_EQ(mainStyles, 4u);
    EXPECT_TRUE(mainText.starts_with("May the fleas of ")) << mainText;
}

// A file of the user's own under a tab's key merges into that tab's style: its template wins.
TEST_F(InsultAppTest, TheUsersOwnFileChangesATabsStyleAndAnUnreadableFolderIsReported)
{
    WriteGoodFile("insltdat.dat");
    std::filesystem::create_directories(dataFolders.UserFolder());
    ASSERT_TRUE(apptest::WriteDataFile(dataFolders.UserFolder() + "mine.dat",
                                       {{"Arabian", "Behold %0", {{"a sulking moon"}}}}));
    Run([](StartupProblemsDialog&) { return static_cast<int>(QDialog::Accepted); });
    EXPECT_EQ(runs, (std::vector<std::string>{"main"}));
    EXPECT_TRUE(mainText.starts_with("Behold ")) << mainText;

    // The first system folder is a file: reported, and the user may go on.
    std::ofstream(dataFolders.SystemFolder(0).substr(0, dataFolders.SystemFolder(0).size() - 1))
        << "not a folder";
    runs.clear();
    Run([this](StartupProblemsDialog& problems) {
        problemsText = guitest::Control<QPlainTextEdit>(&problems, IDC_REPORT)->toPlainText();
        return Press(problems, IDOK);
    });
    EXPECT_EQ(runs, (std::vector<std::string>{"problems", "main"}));
    EXPECT_TRUE(problemsText.contains(
        QString::fromStdString(dataFolders.SystemFolder(0) + " contains an invalid path.\n")))
        << problemsText.toStdString();
}

TEST_F(InsultAppTest, PartlyFailedLoadContinuesWithWhatLoaded)
{
    WriteGoodFile("insltdat.dat");
    WriteBadFile("broken.dat");
    Run([this](StartupProblemsDialog& problems) {
        problemsText = guitest::Control<QPlainTextEdit>(&problems, IDC_REPORT)->toPlainText();
        EXPECT_TRUE(guitest::Control<QAbstractButton>(&problems, IDOK)->isEnabled());
        return Press(problems, IDOK);
    });
    EXPECT_EQ(runs, (std::vector<std::string>{"problems", "main"}));
    EXPECT_TRUE(problemsText.contains("insltdat.dat - Succeeded\n")) << problemsText.toStdString();
    EXPECT_TRUE(problemsText.contains("broken.dat - ")) << problemsText.toStdString();
    EXPECT_EQ(mainStyles, 4u);
}

TEST_F(InsultAppTest, PartlyFailedLoadEndsOnExitWithoutMainWindow)
{
    WriteGoodFile("insltdat.dat");
    WriteBadFile("broken.dat");
    Run([](StartupProblemsDialog& problems) { return Press(problems, IDCANCEL); });
    EXPECT_EQ(runs, (std::vector<std::string>{"problems"}));
}

TEST_F(InsultAppTest, NoDataAtAllOffersOnlyExit)
{
    Run([this](StartupProblemsDialog& problems) {
        problemsText = guitest::Control<QPlainTextEdit>(&problems, IDC_REPORT)->toPlainText();
        EXPECT_FALSE(guitest::Control<QAbstractButton>(&problems, IDOK)->isEnabled());
        return Press(problems, IDCANCEL);
    });
    EXPECT_EQ(runs, (std::vector<std::string>{"problems"}));
    EXPECT_TRUE(problemsText.startsWith("No data files were found!\n\n"))
        << problemsText.toStdString();
}

// A data file that could not be read at first (locked for a moment, or not there yet) is read
// when the user tries again, and the program goes on to the main window with it.
TEST_F(InsultAppTest, NothingLoadedCanBeTriedAgain)
{
    WriteBadFile("insltdat.dat");
    Run([this](StartupProblemsDialog& problems) {
        WriteGoodFile("insltdat.dat");
        return Press(problems, IDC_TRY_AGAIN);
    });
    EXPECT_EQ(runs, (std::vector<std::string>{"problems", "main"}));
    EXPECT_EQ(mainStyles, 4u);
    EXPECT_TRUE(mainText.starts_with("May the fleas of ")) << mainText;
}

// A settings file too large to read is said before the window opens; the window then runs
// on the first run's settings and leaves the file as it is.
TEST_F(InsultAppTest, ASettingsFileTooLargeIsSaidAndLeftAlone)
{
    WriteGoodFile("insltdat.dat");
    settings.WriteFile("[settings]\ntab=1\n");
    const std::string path = ProfileFile::Folder() + "Razzlewick.ini";
    ASSERT_EQ(truncate(path.c_str(), off_t{1} << 30), 0);
    const MessageBoxRecorder boxes;
    Run([](StartupProblemsDialog&) { return static_cast<int>(QDialog::Accepted); });
    EXPECT_EQ(runs, (std::vector<std::string>{"main"}));
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_TRUE(boxes.LastText().contains(QString::fromStdString(path) +
                                          QStringLiteral(" is larger than 1 MiB")))
        << boxes.LastText().toStdString();
    EXPECT_TRUE(mainText.starts_with("May the fleas of ")) << mainText;
    EXPECT_EQ(std::filesystem::file_size(path), uintmax_t{1} << 30);
}

// The real modal loops, one after the other: closing the problems dialog (the only window
// then) must not end the program before the main window has run.
TEST_F(InsultAppTest, RealModalRunsGoFromTheProblemsOnToTheMainWindow)
{
    WriteGoodFile("insltdat.dat");
    WriteBadFile("broken.dat");
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [this] {
        // Both are windows of their own, so neither is an application-modal widget.
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            if (!shown->isVisible())
                continue;
            if (auto* problems = qobject_cast<StartupProblemsDialog*>(shown)) {
                runs.push_back("problems");
                guitest::ClickControl(problems, IDOK);
            } else if (auto* main = qobject_cast<MainDialog*>(shown)) {
                runs.push_back("main");
                guitest::ClickControl(main, IDCANCEL);
            }
        }
    });
    answer.start();
    InsultApp app(ProgramFolder());
    app.Run();
    answer.stop();
    EXPECT_EQ(runs, (std::vector<std::string>{"problems", "main"}));
}

}  // namespace
