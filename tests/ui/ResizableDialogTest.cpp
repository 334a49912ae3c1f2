#include "ui/ResizableDialog.h"

#include "resources/templates/ResourceIds.h"
#include "settings/ProfileFile.h"
#include "tests/support/ConfigHome.h"
#include "tests/support/GuiTesting.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace razzlewick;

namespace {

// Each test gets its own settings folder.
class ResizableDialogTest : public ConfigHomeTest {
protected:
    static int Read(const char* key) { return ApplicationProfile().ReadInteger("66", key, 0); }
};

TEST_F(ResizableDialogTest, NeverSmallerThanItsCreationSize)
{
    ResizableDialog dialog(IDD_MAIN, nullptr);
    const QSize created = dialog.size();
    EXPECT_EQ(dialog.minimumSize(), created);
    dialog.show();
    dialog.resize(10, 10);
    EXPECT_EQ(dialog.size(), created);
    dialog.resize(10, created.height() + 50);
    EXPECT_EQ(dialog.size(), QSize(created.width(), created.height() + 50));
    EXPECT_EQ(dialog.restoreSize, 1);
    EXPECT_EQ(dialog.ProfileSection(), QStringLiteral("66"));
}

struct AnchorRow {
    const char* name;
    int flags;
    QRect (*expected)(QRect before, int dx, int dy);
};

class ResizableDialogAnchors : public ResizableDialogTest,
                               public ::testing::WithParamInterface<AnchorRow> {};

TEST_P(ResizableDialogAnchors, ControlFollowsTheSizeChange)
{
    ResizableDialog dialog(IDD_MAIN, nullptr);
    dialog.restoreSize = 0;
    dialog.AddAnchor(IDC_COMBINATIONS, GetParam().flags);
    dialog.AddAnchor(4242, MoveRight);  // no such control: skipped
    dialog.show();
    QWidget* label = FindControlWidget(&dialog, IDC_COMBINATIONS);
    const QRect before = label->geometry();
    // Two steps: displacements are relative to the previous size.
    dialog.resize(dialog.size() + QSize(10, 5));
    dialog.resize(dialog.size() + QSize(20, 15));
    EXPECT_EQ(label->geometry(), GetParam().expected(before, 30, 20));
}

INSTANTIATE_TEST_SUITE_P(
    Flags, ResizableDialogAnchors,
    ::testing::Values(
        AnchorRow{"none", 0, [](QRect r, int, int) { return r; }},
        AnchorRow{"moveRight", 1, [](QRect r, int dx, int) { return r.translated(dx, 0); }},
        AnchorRow{"moveDown", 2, [](QRect r, int, int dy) { return r.translated(0, dy); }},
        AnchorRow{"moveRightDown", 3, [](QRect r, int dx, int dy) { return r.translated(dx, dy); }},
        AnchorRow{"stretchWidth", 4, [](QRect r, int dx, int) { return r.adjusted(0, 0, dx, 0); }},
        AnchorRow{"stretchWidthIgnoresMove", 5,
                  [](QRect r, int dx, int) { return r.adjusted(0, 0, dx, 0); }},
        AnchorRow{"stretchWidthMoveDown", 7,
                  [](QRect r, int dx, int dy) { return r.adjusted(0, dy, dx, dy); }},
        AnchorRow{"stretchHeight", 8, [](QRect r, int, int dy) { return r.adjusted(0, 0, 0, dy); }},
        AnchorRow{"stretchHeightIgnoresMove", 10,
                  [](QRect r, int, int dy) { return r.adjusted(0, 0, 0, dy); }},
        AnchorRow{"stretchBoth", 12,
                  [](QRect r, int dx, int dy) { return r.adjusted(0, 0, dx, dy); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResizableDialogTest, ControlRegisteredTwiceMovesTwice)
{
    ResizableDialog dialog(IDD_MAIN, nullptr);
    dialog.AddAnchor(IDC_AGAIN, MoveRight);
    dialog.AddAnchor(IDC_AGAIN, MoveRight);
    dialog.show();
    QWidget* again = FindControlWidget(&dialog, IDC_AGAIN);
    const QPoint before = again->pos();
    dialog.resize(dialog.size() + QSize(7, 0));
    EXPECT_EQ(again->pos(), before + QPoint(14, 0));
}

struct RestoreRow {
    const char* name;
    int cx;  // 0 leaves the key out
    int cy;
    bool restored;
};

class ResizableDialogRestore : public ResizableDialogTest,
                               public ::testing::WithParamInterface<RestoreRow> {};

TEST_P(ResizableDialogRestore, SavedSizeNeedsBothEntries)
{
    const RestoreRow& row = GetParam();
    if (row.cx != 0)
        ApplicationProfile().WriteInteger("66", "CX", row.cx);
    if (row.cy != 0)
        ApplicationProfile().WriteInteger("66", "CY", row.cy);
    ResizableDialog dialog(IDD_MAIN, nullptr);
    const QSize created = dialog.size();
    dialog.PrepareFirstShow();
    dialog.restoreSize = 0;  // nothing written back, so the rows stay independent
    dialog.show();
    if (row.restored) {
        EXPECT_EQ(dialog.frameGeometry().size(), QSize(row.cx, row.cy));
    } else {
        EXPECT_EQ(dialog.size(), created);
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, ResizableDialogRestore,
                         ::testing::Values(RestoreRow{"both", 700, 400, true},
                                           RestoreRow{"widthOnly", 700, 0, false},
                                           RestoreRow{"heightOnly", 0, 400, false},
                                           RestoreRow{"neither", 0, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResizableDialogTest, RestoreSwitchedOffBeforeInitialisationIgnoresSavedSize)
{
    ApplicationProfile().WriteInteger("66", "CX", 700);
    ApplicationProfile().WriteInteger("66", "CY", 400);
    ResizableDialog dialog(IDD_MAIN, nullptr);
    dialog.restoreSize = 0;
    const QSize created = dialog.size();
    dialog.PrepareFirstShow();
    EXPECT_EQ(dialog.size(), created);
}

TEST_F(ResizableDialogTest, RestoredSizeMovesAnchorsRegisteredBeforeIt)
{
    ApplicationProfile().WriteInteger("66", "CX", 725);
    ApplicationProfile().WriteInteger("66", "CY", 400);
    ResizableDialog dialog(IDD_MAIN, nullptr);
    dialog.restoreSize = 0;
    dialog.AddAnchor(IDCANCEL, MoveRight | MoveDown);
    QWidget* exitButton = FindControlWidget(&dialog, IDCANCEL);
    const QPoint before = exitButton->pos();
    const QSize created = dialog.size();
    dialog.restoreSize = 1;
    dialog.PrepareFirstShow();
    dialog.restoreSize = 0;
    EXPECT_EQ(dialog.frameGeometry().size(), QSize(725, 400));
    const QSize change = dialog.size() - created;
    EXPECT_EQ(exitButton->pos(), before + QPoint(change.width(), change.height()));
}

TEST_F(ResizableDialogTest, SavesItsOuterSizeOnlyAfterAResize)
{
    QSize outer;
    {
        ResizableDialog dialog(IDD_MAIN, nullptr);
        dialog.show();
    }
    EXPECT_EQ(Read("CX"), 0);
    EXPECT_EQ(Read("CY"), 0);
    {
        ResizableDialog dialog(IDD_MAIN, nullptr);
        dialog.show();
        dialog.resize(dialog.size() + QSize(40, 30));
        dialog.hide();
        outer = dialog.frameGeometry().size();
    }
    EXPECT_EQ(Read("CX"), outer.width());
    EXPECT_EQ(Read("CY"), outer.height());
}

TEST_F(ResizableDialogTest, SwitchedOffRestoreWritesNothing)
{
    {
        ResizableDialog dialog(IDD_MAIN, nullptr);
        dialog.show();
        dialog.restoreSize = 0;
        dialog.resize(dialog.size() + QSize(40, 30));
    }
    EXPECT_EQ(Read("CX"), 0);
}

TEST_F(ResizableDialogTest, MinimisingChangesNothingButRestoringCountsAsResize)
{
    QSize created;
    QSize outer;
    {
        ResizableDialog dialog(IDD_MAIN, nullptr);
        created = dialog.size();
        dialog.show();
        outer = dialog.frameGeometry().size();
        dialog.showMinimized();
        guitest::ProcessEvents();
        dialog.showNormal();
        guitest::ProcessEvents();
        EXPECT_EQ(dialog.size(), created);
    }
    EXPECT_EQ(Read("CX"), outer.width());
    EXPECT_EQ(Read("CY"), outer.height());
}

}  // namespace
