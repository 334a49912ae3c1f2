#include "ui/SpinArrows.h"

#include "resources/templates/ResourceIds.h"
#include "ui/DialogBuilder.h"
#include "ui/TemplateDialog.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace razzlewick;

namespace {

struct OptionsFixture : ::testing::Test {
    TemplateDialog dialog{IDD_OPTIONS, nullptr};
    QLineEdit* edit = FindControl<QLineEdit>(&dialog, IDC_COUNT);
    SpinArrows* spin = FindControl<SpinArrows>(&dialog, IDC_COUNT_SPIN);
};

TEST_F(OptionsFixture, SpinIsBoundToTheCountBoxAtItsRightEdge)
{
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->Buddy(), edit);
    EXPECT_EQ(spin->x(), edit->geometry().right() + 1);
    EXPECT_EQ(spin->height(), edit->height());
}

TEST_F(OptionsFixture, StepsWriteTheBuddyWithinTheRange)
{
    spin->SetRange(1, 500);
    edit->setText(QStringLiteral("499"));
    QSignalSpy changes(edit, &QLineEdit::textChanged);
    spin->StepBy(1);
    EXPECT_EQ(edit->text(), QStringLiteral("500"));
    spin->StepBy(1);  // at the top: nothing written, no notification
    EXPECT_EQ(changes.count(), 1);
    spin->SetValue(1234);
    EXPECT_EQ(edit->text(), QStringLiteral("500"));  // no thousands separator either way
    edit->setText(QString());
    spin->StepBy(-1);
    EXPECT_EQ(edit->text(), QStringLiteral("1"));
}

TEST_F(OptionsFixture, ArrowKeysAndClicksStep)
{
    spin->SetRange(1, 500);
    edit->setText(QStringLiteral("5"));
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), QStringLiteral("6"));
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), QStringLiteral("4"));
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 2));
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, spin->height() - 2));
    EXPECT_EQ(edit->text(), QStringLiteral("4"));
}

TEST_F(OptionsFixture, CountBoxTakesDigitsOnly)
{
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("1a2-3"));
    EXPECT_EQ(edit->text(), QStringLiteral("123"));
}

}  // namespace
