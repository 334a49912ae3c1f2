#include "app/DataFilesDialog.h"

#include "data/DataFolders.h"
#include "data/InsultGenerator.h"
#include "resources/templates/ResourceIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/DataFolders.h"
#include "tests/support/FakePrograms.h"
#include "tests/support/GuiTesting.h"
#include "tests/support/MessageBoxRecorder.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>

using namespace razzlewick;

namespace {

// The four tab styles in the program folder and one of the user's own, read by a real
// search over folders of the test's own.
class DataFilesDialogTest : public DataSearchTest {
protected:
    DataFilesDialogTest()
    {
        EXPECT_TRUE(apptest::WriteDataFile(program / "insltdat.dat", apptest::FourStyles()));
        std::filesystem::create_directories(data.UserFolder());
        EXPECT_TRUE(apptest::WriteDataFile(data.UserFolder() + "pirate.dat",
                                           {{"Pirate", "Arr, ye %0", {{"swab", "bilge rat"}}}}));
        engine.LoadDataFiles(nullptr, program.path());
    }

    DataFilesDialog& Open(int32_t level, DataFilesDialog::Reload reload = {})
    {
        dialog = std::make_unique<DataFilesDialog>(engine, level, nullptr, std::move(reload));
        dialog->open();
        return *dialog;
    }
    QString Shown() const
    {
        return guitest::Control<QPlainTextEdit>(dialog.get(), IDC_DATA_REPORT)->toPlainText();
    }

    apptest::TempSettings settings;
    InsultGenerator engine;
    std::unique_ptr<DataFilesDialog> dialog;
};

TEST_F(DataFilesDialogTest, ShowsEveryFolderAndEveryStyleWithTheLevelInForce)
{
    Open(0);
    const QString folders = QString::fromStdString(
        "Folders in the order they are read (a style's template comes from the last file that "
        "holds it):\nProgram folder: " +
        program.path() + "\n  insltdat.dat - Succeeded\nCurrent folder: " + current.path() +
        "\n  no data files\nSystem folder: " + data.SystemFolder(1) +
        "\n  not there\nSystem folder: " + data.SystemFolder(0) +
        "\n  not there\nYour styles folder: " + data.UserFolder() + "\n  pirate.dat - Succeeded\n");
    EXPECT_EQ(Shown(), folders +
                           QStringLiteral("\nStyles:\n"
                                          "  Arabian - 8 combinations available\n"
                                          "  Mediterranean - 5 combinations available; "
                                          "withheld until the offensiveness level is raised\n"
                                          "  Modern - 5 combinations available; withheld "
                                          "until the offensiveness level is raised\n"
                                          "  Pirate - 1 combinations available; from ") +
                           QString::fromStdString(data.UserFolder()) +
                           QStringLiteral("pirate.dat; no picture of its own (Pirate.svg or "
                                          "Pirate.png beside its data file)\n"
                                          "  Shakespearean - 5 combinations available\n"));

    Open(1);
    EXPECT_FALSE(Shown().contains(QStringLiteral("withheld"))) << Shown().toStdString();
}

// A style installed while the window is open: one press reads every folder again.
TEST_F(DataFilesDialogTest, ReloadReadsEveryFolderAgainAndShowsTheNewReport)
{
    int reloads = 0;
    Open(0, [this, &reloads] {
        ++reloads;
        engine.ReloadDataFiles(nullptr);
    });
    EXPECT_TRUE(apptest::WriteDataFile(data.UserFolder() + "ninja.dat",
                                       {{"Ninja", "Hai, %0", {{"shadow"}}}}));
    std::ofstream(data.UserFolder() + "ninja.PNG") << "a picture";
    ASSERT_TRUE(guitest::ClickControl(dialog.get(), IDC_RELOAD_DATA));
    EXPECT_EQ(reloads, 1);
    EXPECT_TRUE(Shown().contains(QStringLiteral("\n  ninja.dat - Succeeded\n")))
        << Shown().toStdString();
    EXPECT_TRUE(Shown().contains(
        QString::fromStdString("  Ninja - 0 combinations available; from " + data.UserFolder() +
                               "ninja.dat; picture " + data.UserFolder() + "ninja.PNG\n")))
        << Shown().toStdString();

    // Nothing to reload with: the button says so by being off.
    Open(0);
    EXPECT_FALSE(guitest::Control<QWidget>(dialog.get(), IDC_RELOAD_DATA)->isEnabled());
}

// Paths need not be Windows-1252: the copy is the text as shown, whatever its characters.
TEST_F(DataFilesDialogTest, CopyPutsTheWholeTextOnTheClipboard)
{
    const std::string home = current.path() +
                             "donn\xC3\xA9"
                             "es \xE4\xB8\xAD";
    const ScopedEnvironment dataHome("XDG_DATA_HOME", home);
    std::filesystem::create_directories(home + "/razzlewick");
    engine.LoadDataFiles(nullptr, program.path());
    Open(0);
    QApplication::clipboard()->clear();
    ASSERT_TRUE(guitest::ClickControl(dialog.get(), IDC_COPY_REPORT));
    EXPECT_EQ(QApplication::clipboard()->text(), Shown());
    EXPECT_TRUE(Shown().contains(QString::fromUtf8(home + "/razzlewick/\n  no data files\n")))
        << Shown().toStdString();
}

TEST_F(DataFilesDialogTest, OpenMyStylesFolderMakesItAndOpensIt)
{
    const testing_support::FakePrograms fakes;
    fakes.Add("xdg-open");
    MessageBoxRecorder messages;
    Open(0);
    const std::string folder = UserDataFolder();
    ASSERT_FALSE(std::filesystem::exists(folder));

    ASSERT_TRUE(guitest::ClickControl(dialog.get(), IDC_OPEN_STYLES_FOLDER));
    struct stat info {};
    ASSERT_EQ(stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(fakes.Calls("xdg-open"), std::vector<std::vector<std::string>>{{folder}});
    EXPECT_EQ(messages.Count(), 0);

    // A desktop with no file manager says so, naming the folder.
    fakes.SetExit("xdg-open", "3");
    ASSERT_TRUE(guitest::ClickControl(dialog.get(), IDC_OPEN_STYLES_FOLDER));
    EXPECT_EQ(messages.LastText().toStdString(),
              "Can't open " + folder +
                  ":\n\nno program on this computer is set up to open it. Install a file "
                  "manager, or open it yourself.");
}

}  // namespace
