#include "options/OptionsDialog.h"

#include "resources/templates/ResourceIds.h"
#include "settings/ProfileFile.h"
#include "tests/options/OptionsTestSupport.h"
#include "tests/support/GuiTesting.h"
#include "tests/support/MessageBoxRecorder.h"
#include "ui/DrawnButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

using namespace razzlewick;

namespace {

using optionstest::SettingsFixture;
using optionstest::ShowsToolTip;
using platform::MessageIcon;

const QString kInvalidInteger = QStringLiteral("Please enter an integer.");
const QString kOutOfRange = QStringLiteral("Please enter an integer between 1 and 500.");
const QString kLevelWarning = QStringLiteral(
    "Whilst Razzlewick draws the line at downright obscenity and racial slurs, \n"
    "some of the content is certainly not Politically Correct. \n"
    "You have elected to enable features of Razzlewick that some people \n"
    "have been offended by, namely the Modern and Mediterranean styles of insult.\n"
    "If you find these styles upset you then you can easily turn them off again, \n"
    "or stop using the program entirely.  You have been warned.");

int Stored(const char* key, int defaultValue = -999)
{
    return SettingsFile().ReadInteger("settings", key, defaultValue);
}

class OptionsDialogTest : public SettingsFixture {
protected:
    // Builds the dialog (reading the settings as they are now) and shows it, active.
    void Open()
    {
        dialog = std::make_unique<OptionsDialog>();
        dialog->open();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    QLineEdit* CountEdit() const { return guitest::Control<QLineEdit>(dialog.get(), IDC_COUNT); }
    QComboBox* LevelList() const { return guitest::Control<QComboBox>(dialog.get(), IDC_LEVEL); }
    QLabel* CountLabel() const { return guitest::Control<QLabel>(dialog.get(), IDC_COUNT_LABEL); }
    QCheckBox* Check(int id) const { return guitest::Control<QCheckBox>(dialog.get(), id); }

    // Replaces the count box's text as a user would: select everything, then type.
    void TypeCount(const QString& text) const
    {
        QLineEdit* edit = CountEdit();
        edit->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Backspace);
        } else {
            QTest::keyClicks(edit, text);
        }
    }

    void ClickOk() const { ASSERT_TRUE(guitest::ClickControl(dialog.get(), IDOK)); }

    MessageBoxRecorder messages;
    std::unique_ptr<OptionsDialog> dialog;
};

TEST_F(OptionsDialogTest, FirstRunShowsTheDefaults)
{
    Open();
    EXPECT_EQ(CountEdit()->text(), "1");
    EXPECT_EQ(CountLabel()->text(), "insult each time");
    EXPECT_EQ(LevelList()->currentIndex(), 0);
    ASSERT_EQ(LevelList()->count(), 2);
    EXPECT_EQ(LevelList()->itemText(0), "Lets not get too offensive, Ok?");
    EXPECT_EQ(LevelList()->itemText(1), "I'm not easily offended - go for it!");
    EXPECT_TRUE(Check(IDC_CAPITALISE)->isChecked());
    EXPECT_FALSE(Check(IDC_ON_TOP)->isChecked());
    EXPECT_TRUE(Check(IDC_TOOLTIPS)->isChecked());
    EXPECT_FALSE(Check(IDC_AUTOCOPY)->isChecked());
    EXPECT_EQ(messages.Count(), 0);
    EXPECT_TRUE(LevelList()->hasFocus());
    EXPECT_FALSE(SettingsExist());
}

TEST_F(OptionsDialogTest, StoredValuesReachTheControls)
{
    WriteSettings("[Settings]\nNUM=12\ncaps=0\nontop=1\nlevel=1\ntooltips=1\nAUTOCOPY=1\n");
    Open();
    EXPECT_EQ(CountEdit()->text(), "12");
    EXPECT_EQ(CountLabel()->text(), "insults each time");
    EXPECT_EQ(LevelList()->currentIndex(), 1);
    EXPECT_FALSE(Check(IDC_CAPITALISE)->isChecked());
    EXPECT_TRUE(Check(IDC_ON_TOP)->isChecked());
    EXPECT_TRUE(Check(IDC_AUTOCOPY)->isChecked());
    // Opening on a stored level 1 is not a choice: no warning.
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(OptionsDialogTest, OkSavesNothingItselfAndSaveWritesTheSixKeysInOrder)
{
    Open();
    TypeCount("42");
    Check(IDC_ON_TOP)->click();
    Check(IDC_AUTOCOPY)->click();
    Check(IDC_CAPITALISE)->click();
    QTest::keyClick(LevelList(), Qt::Key_Down);
    ClickOk();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(SettingsExist()) << "the caller saves, not OK";

    EXPECT_EQ(dialog->Options().count, 42);
    dialog->Save();
    const QByteArray text = ReadSettings();
    const QList<QByteArray> lines = text.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 7) << text.toStdString();
    EXPECT_EQ(lines[0].trimmed(), "[settings]");
    EXPECT_EQ(lines[1].trimmed(), "num=42");
    EXPECT_EQ(lines[2].trimmed(), "caps=0");
    EXPECT_EQ(lines[3].trimmed(), "ontop=1");
    EXPECT_EQ(lines[4].trimmed(), "level=1");
    EXPECT_EQ(lines[5].trimmed(), "tooltips=1");
    EXPECT_EQ(lines[6].trimmed(), "autocopy=1");
}

// A stored value of one of the four boxes, how the box shows it, and what OK then saves.
struct CheckRow {
    const char* name;
    int stored;
    Qt::CheckState shown;
    int saved;
};

class OptionsCheckValueTest : public OptionsDialogTest,
                              public ::testing::WithParamInterface<CheckRow> {};

TEST_P(OptionsCheckValueTest, ShowsAndSavesTheBoxState)
{
    const CheckRow row = GetParam();
    const QByteArray value = QByteArray::number(row.stored);
    WriteSettings("[settings]\ncaps=" + value + "\nontop=" + value + "\ntooltips=" + value +
                  "\nautoCopy=" + value + "\n");
    Open();
    for (int id : {IDC_CAPITALISE, IDC_ON_TOP, IDC_TOOLTIPS, IDC_AUTOCOPY}) {
        EXPECT_EQ(Check(id)->checkState(), row.shown) << "control " << id;
    }
    ClickOk();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    dialog->Save();
    for (const char* key : {"caps", "ontop", "tooltips", "autocopy"}) {
        EXPECT_EQ(Stored(key), row.saved) << key;
    }
}

INSTANTIATE_TEST_SUITE_P(Values, OptionsCheckValueTest,
                         ::testing::Values(CheckRow{"Unticked", 0, Qt::Unchecked, 0},
                                           CheckRow{"Ticked", 1, Qt::Checked, 1},
                                           CheckRow{"Indeterminate", 2, Qt::PartiallyChecked, 2},
                                           CheckRow{"Three", 3, Qt::Unchecked, 0},
                                           CheckRow{"Negative", -1, Qt::Unchecked, 0},
                                           CheckRow{"Large", 70000, Qt::Unchecked, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionsDialogTest, IndeterminateBoxBecomesTwoStateOnceClicked)
{
    WriteSettings("[settings]\nontop=2\n");
    Open();
    QCheckBox* box = Check(IDC_ON_TOP);
    box->click();
    EXPECT_EQ(box->checkState(), Qt::Checked);
    box->click();
    box->click();
    EXPECT_EQ(box->checkState(), Qt::Checked) << "never half-ticked again by clicking";
}

struct LevelRow {
    const char* name;
    int stored;
    int selected;
    int saved;
};

class OptionsLevelValueTest : public OptionsDialogTest,
                              public ::testing::WithParamInterface<LevelRow> {};

TEST_P(OptionsLevelValueTest, SelectsTheEntryOrNone)
{
    const LevelRow row = GetParam();
    WriteSettings("[settings]\nlevel=" + QByteArray::number(row.stored) + "\n");
    Open();
    EXPECT_EQ(LevelList()->currentIndex(), row.selected);
    ClickOk();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    dialog->Save();
    EXPECT_EQ(Stored("level"), row.saved);
}

INSTANTIATE_TEST_SUITE_P(Values, OptionsLevelValueTest,
                         ::testing::Values(LevelRow{"Mild", 0, 0, 0},
                                           LevelRow{"Offensive", 1, 1, 1},
                                           LevelRow{"Two", 2, -1, -1},
                                           LevelRow{"Negative", -3, -1, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionsDialogTest, LabelFollowsTheCount)
{
    Open();
    TypeCount("5");
    EXPECT_EQ(CountLabel()->text(), "insults each time");
    TypeCount("1");
    EXPECT_EQ(CountLabel()->text(), "insult each time");
    TypeCount("10");  // passes through "1" on the way
    EXPECT_EQ(CountLabel()->text(), "insults each time");
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(OptionsDialogTest, ClearingTheCountComplainsAndPutsThePreviousCountBack)
{
    WriteSettings("[settings]\nnum=7\n");
    Open();
    TypeCount("");
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText(), kInvalidInteger);
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages.Messages()[0].caption, "Razzlewick");
    EXPECT_EQ(CountEdit()->text(), "7");
    EXPECT_EQ(dialog->Options().count, 7);
    EXPECT_TRUE(CountEdit()->hasFocus());
    EXPECT_EQ(messages.Count(), 1) << "putting the count back raises nothing more";
}

// Typing takes digits only, but a paste over the whole text reaches the count's own checks.
TEST_F(OptionsDialogTest, PastedCountGoesThroughTheCountChecks)
{
    struct Row {
        const char* pasted;
        const char* shown;
        int count;
        int messages;
    };
    WriteSettings("[settings]\nnum=7\n");
    Open();
    int paste = 0;
    for (const Row row :
         {Row{" 12 ", "12", 12, 0}, Row{"abc", "12", 12, 1}, Row{"34", "34", 34, 0}}) {
        for (const bool fromMenu : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << '"' << row.pasted << (fromMenu ? "\" menu" : "\" keys"));
            messages.Clear();
            QApplication::clipboard()->setText(QString::fromLatin1(row.pasted));
            CountEdit()->setFocus();
            CountEdit()->selectAll();
            if (fromMenu) {
                std::unique_ptr<QMenu> menu(CountEdit()->createStandardContextMenu());
                const QList<QAction*> actions = menu->actions();
                const auto action = std::find_if(actions.begin(), actions.end(), [](QAction* a) {
                    return a->text().startsWith(QStringLiteral("&Paste"));
                });
                ASSERT_NE(action, actions.end());
                ASSERT_TRUE((*action)->isEnabled());
                (*action)->trigger();
            } else {
                QTest::keyClick(CountEdit(), Qt::Key_V, Qt::ControlModifier);
            }
            ++paste;
            EXPECT_EQ(CountEdit()->text().toStdString(), row.shown);
            EXPECT_EQ(dialog->Options().count, row.count);
            ASSERT_EQ(messages.Count(), row.messages);
            if (row.messages > 0) {
                EXPECT_EQ(messages.LastText(), kInvalidInteger);
            }
        }
    }
    EXPECT_EQ(paste, 6);
}

TEST_F(OptionsDialogTest, PastedTextBeyondSixteenBitsIsNotAnInteger)
{
    WriteSettings("[settings]\nnum=3\n");
    Open();
    CountEdit()->setText(QStringLiteral("99999"));
    EXPECT_EQ(messages.LastText(), kInvalidInteger);
    EXPECT_EQ(CountEdit()->text(), "3");
}

class OptionsOutOfRangeTest : public OptionsDialogTest,
                              public ::testing::WithParamInterface<const char*> {};

TEST_P(OptionsOutOfRangeTest, RangeMessageAndOkKeepsTheDialogOpen)
{
    WriteSettings("[settings]\nnum=4\n");
    Open();
    TypeCount(QString::fromLatin1(GetParam()));
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText(), kOutOfRange);
    EXPECT_EQ(CountEdit()->text(), GetParam()) << "the number stays in the box";
    EXPECT_EQ(CountLabel()->text(), "insults each time");
    EXPECT_TRUE(Check(IDC_CAPITALISE)->hasFocus());

    ClickOk();
    EXPECT_EQ(messages.Count(), 2);
    EXPECT_EQ(messages.LastText(), kOutOfRange);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_NE(dialog->result(), QDialog::Accepted);

    TypeCount("6");
    ClickOk();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Options().count, 6);
}

INSTANTIATE_TEST_SUITE_P(Counts, OptionsOutOfRangeTest, ::testing::Values("0", "501"));

TEST_F(OptionsDialogTest, StoredCountBeyondSixteenBitsIsShownWrappedAndRefused)
{
    WriteSettings("[settings]\nnum=40000\n");
    Open();
    EXPECT_EQ(CountEdit()->text(), "-25536");
    ClickOk();
    EXPECT_EQ(messages.LastText(), kOutOfRange);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(OptionsDialogTest, ArrowsStayWithinOneToFiveHundred)
{
    WriteSettings("[settings]\nnum=499\n");
    Open();
    QLineEdit* edit = CountEdit();
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "500");
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "500");
    TypeCount("1");
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), "1");
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "2");
    EXPECT_EQ(CountLabel()->text(), "insults each time");
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(OptionsDialogTest, ChoosingLevelOneWarnsEveryTime)
{
    Open();
    QComboBox* list = LevelList();
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText(), kLevelWarning);
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages.Messages()[0].buttons, platform::MessageButtons::Ok);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(messages.Count(), 1) << "level 0 says nothing";
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(messages.Count(), 2);
    EXPECT_EQ(dialog->Options().level, 1);
}

TEST_F(OptionsDialogTest, ChoosingLevelOneWarnsEvenWhenStoredAsOne)
{
    WriteSettings("[settings]\nlevel=1\n");
    Open();
    QTest::keyClick(LevelList(), Qt::Key_Up);
    QTest::keyClick(LevelList(), Qt::Key_Down);
    EXPECT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText(), kLevelWarning);
}

TEST_F(OptionsDialogTest, ToolTipsSwitchInsideTheDialogAtOnce)
{
    Open();
    QCheckBox* capitalise = Check(IDC_CAPITALISE);
    EXPECT_EQ(capitalise->toolTip(), "Capitalise the initial word of each insult");
    EXPECT_EQ(CountEdit()->toolTip(), "Number of insults to generate each time");
    EXPECT_EQ(LevelList()->toolTip(), "Offensiveness level (see docs)");
    ASSERT_TRUE(ShowsToolTip(capitalise));

    Check(IDC_TOOLTIPS)->click();
    EXPECT_FALSE(ShowsToolTip(capitalise));
    EXPECT_FALSE(ShowsToolTip(CountEdit()));
    EXPECT_FALSE(dialog->ToolTipsActive());

    Check(IDC_TOOLTIPS)->click();
    EXPECT_TRUE(ShowsToolTip(capitalise));
}

TEST_F(OptionsDialogTest, StoredToolTipsOffShowsNoTips)
{
    WriteSettings("[settings]\ntooltips=0\n");
    Open();
    EXPECT_FALSE(ShowsToolTip(Check(IDC_AUTOCOPY)));
}

TEST_F(OptionsDialogTest, EnterInTheCountBoxMeansOk)
{
    Open();
    TypeCount("3");
    QTest::keyClick(CountEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Options().count, 3);
}

TEST_F(OptionsDialogTest, ButtonsAreCapsules)
{
    Open();
    for (int id : {IDOK, IDCANCEL}) {
        auto* button = guitest::Control<DrawnButton>(dialog.get(), id);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->Outline().IsValid()) << "button " << id;
        EXPECT_FALSE(button->mask().isEmpty());
    }
}

// How the dialog is cancelled.
enum class CancelBy { Button, Escape, CloseBox };

class OptionsCancelTest : public OptionsDialogTest,
                          public ::testing::WithParamInterface<CancelBy> {};

TEST_P(OptionsCancelTest, LeavesTheSettingsFileByteForByte)
{
    const QByteArray original =
        "; mine\r\n[settings]\r\nnum=3\r\nlevel=0\r\nautoCopy = 0\r\ntab=2\r\n[other]\r\nx=y";
    WriteSettings(original);
    Open();
    TypeCount("9");
    QTest::keyClick(LevelList(), Qt::Key_Down);
    Check(IDC_AUTOCOPY)->click();
    Check(IDC_TOOLTIPS)->click();
    switch (GetParam()) {
        case CancelBy::Button:
            ASSERT_TRUE(guitest::ClickControl(dialog.get(), IDCANCEL));
            break;
        case CancelBy::Escape:
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
            break;
        case CancelBy::CloseBox:
            dialog->close();
            break;
    }
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(ReadSettings(), original);
}

INSTANTIATE_TEST_SUITE_P(Ways, OptionsCancelTest,
                         ::testing::Values(CancelBy::Button, CancelBy::Escape, CancelBy::CloseBox),
                         [](const auto& info) {
                             switch (info.param) {
                                 case CancelBy::Button:
                                     return std::string("Button");
                                 case CancelBy::Escape:
                                     return std::string("Escape");
                                 case CancelBy::CloseBox:
                                     return std::string("CloseBox");
                             }
                             return std::string("Unknown");
                         });

TEST_F(OptionsDialogTest, EachOpeningStartsFromTheStoredValues)
{
    WriteSettings("[settings]\nnum=8\n");
    Open();
    TypeCount("20");
    ASSERT_TRUE(guitest::ClickControl(dialog.get(), IDCANCEL));
    Open();
    EXPECT_EQ(CountEdit()->text(), "8");
    TypeCount("20");
    ClickOk();
    dialog->Save();
    Open();
    EXPECT_EQ(CountEdit()->text(), "20");
}

}  // namespace
