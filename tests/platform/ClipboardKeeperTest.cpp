#include "platform/ClipboardKeeper.h"

#include "tests/support/FakePrograms.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace razzlewick;

namespace {

using testing_support::FakePrograms;
using namespace std::chrono_literals;

// Stand-in keepers: shell scripts that read their standard input like the real one and
// answer (or fail to) on it. PATH holds only the fakes, so tools are named by path.
class ClipboardKeeperTest : public ::testing::Test {
protected:
    std::string Keeper(const std::string& body)
    {
        const std::string path = fakes.WriteFile("keeper", "#!/bin/sh\n" + body + "\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path;
    }
    std::string Received() const
    {
        std::ifstream file(fakes.Folder() + "/received", std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    FakePrograms fakes;
    // Larger than a socket's buffer, so sending it takes more than one write.
    const std::string largeText = std::string(3 << 20, 'x') + "\xc3\xbc\r\n";
};

TEST_F(ClipboardKeeperTest, HandsOverTheWholeTextAndTakesOkAsSuccess)
{
    const auto keeper = Keeper("/bin/cat > '" + fakes.Folder() + "/received'; echo ok >&0");
    EXPECT_EQ(platform::StartClipboardKeeper(keeper, largeText), "");
    // Compared by size and content: a failure must not print megabytes.
    const std::string received = Received();
    EXPECT_EQ(received.size(), largeText.size());
    EXPECT_TRUE(received == largeText);
}

TEST_F(ClipboardKeeperTest, ReportsTheKeepersOwnProblem)
{
    const auto keeper = Keeper("/bin/cat >/dev/null; echo 'cannot open the X display :9' >&0");
    EXPECT_EQ(platform::StartClipboardKeeper(keeper, "text"), "cannot open the X display :9");
}

// A keeper that is gone before it read everything must not end us with SIGPIPE.
TEST_F(ClipboardKeeperTest, KeeperEndingAtOnceIsAProblemNotACrash)
{
    const auto keeper = Keeper("exit 0");
    EXPECT_NE(platform::StartClipboardKeeper(keeper, largeText), "");
    EXPECT_NE(platform::StartClipboardKeeper(keeper, "short"), "");
}

// Exit must not hang on a keeper that neither reads nor answers.
TEST_F(ClipboardKeeperTest, GivesUpOnAStuckKeeperAfterThePatience)
{
    const auto keeper = Keeper("exec /bin/sleep 10 >/dev/null 2>&1");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(platform::StartClipboardKeeper(keeper, largeText, 200ms),
              "the keeper did not take the text in time");
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

// It may run for days: a caller's pipe it inherited would keep that caller waiting.
TEST_F(ClipboardKeeperTest, KeeperHoldsNoInheritedDescriptor)
{
    int stray[2] = {-1, -1};
    ASSERT_EQ(pipe(stray), 0);  // deliberately without close-on-exec
    const auto keeper =
        Keeper("/bin/cat >/dev/null\nif [ -e /proc/$$/fd/" + std::to_string(stray[1]) +
               " ]; then echo 'holds the pipe' >&0; else echo ok >&0; fi");
    EXPECT_EQ(platform::StartClipboardKeeper(keeper, "text"), "");
    close(stray[0]);
    close(stray[1]);
}

TEST_F(ClipboardKeeperTest, MissingKeeperNamesThePath)
{
    const std::string missing = fakes.Folder() + "/no-such-keeper";
    EXPECT_EQ(platform::StartClipboardKeeper(missing, "text"),
              missing + ": No such file or directory");
}

}  // namespace
