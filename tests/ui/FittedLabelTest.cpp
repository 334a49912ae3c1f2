#include "ui/FittedLabel.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

using namespace razzlewick;

namespace {

// A label as the main window has it: one line, centred, its width fixed by the dialog.
struct LabelFixture : ::testing::Test {
    QWidget dialog;
    QLabel* label = new QLabel(&dialog);

    LabelFixture()
    {
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(0, 0, 240, 20);
        KeepTextInView(label);
    }

    // The width the text needs in the font the label paints with.
    double Painted(const QString& text)
    {
        label->setText(text);
        label->grab();
        return QFontMetricsF(label->font()).horizontalAdvance(text);
    }
};

TEST_F(LabelFixture, ALongCountShrinksIntoTheLabelAndAShortOneGetsTheDialogFontBack)
{
    const QString quintillions = QStringLiteral("8,145,049,389,751,273,999 combinations available");
    ASSERT_GT(QFontMetricsF(dialog.font()).horizontalAdvance(quintillions), 240)
        << "the row needs a text wider than the label";
    EXPECT_LE(Painted(quintillions), 240);
    EXPECT_LT(label->font().pointSizeF(), dialog.font().pointSizeF());

    Painted(QStringLiteral("999 combinations available"));
    EXPECT_EQ(label->font(), dialog.font());
}

TEST_F(LabelFixture, WideningTheLabelGivesTheTextItsFontBack)
{
    const QString text = QStringLiteral("8,145,049,389,751,273,999 combinations available");
    Painted(text);
    label->resize(1000, 20);
    label->grab();
    EXPECT_EQ(label->font(), dialog.font());
}

TEST_F(LabelFixture, NoTextShrinksBelowThreeQuartersOfTheDialogFont)
{
    Painted(QString(200, QLatin1Char('8')));
    EXPECT_GE(label->font().pointSizeF(), dialog.font().pointSizeF() * 0.75 - 0.5);
}

}  // namespace
