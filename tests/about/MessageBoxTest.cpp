#include "platform/qt/MessageBox.h"

#include "tests/support/GuiTesting.h"
#include "ui/DialogBuilder.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include <gtest/gtest.h>

using namespace razzlewick;

namespace {

// The missing-documentation message breaks its own lines; at every font size that leaves
// room on the screen, each shows whole, with no word wrapped onto a line of its own.
TEST(MessageBox, ShowsTheLinesTheTextBreaksItselfWhole)
{
    const QString text = QStringLiteral(
        "Unable to locate Razzlewick.html.  It is most likely that you have an incomplete\n"
        "copy of Razzlewick.  Please complain to whoever sent it to you,\n"
        "and visit our web site to get the complete version of the software.");
    QWidget owner;
    owner.setFont(DialogFont());
    for (const int points : {6, 7, 8, 9, 10, 11, 12}) {
        SCOPED_TRACE(testing::Message() << points << " pt");
        QApplication::setFont(DialogFont(points));
        const std::unique_ptr<QMessageBox> box =
            platform::CreateMessageBox({.parent = &owner,
                                        .caption = QStringLiteral("Razzlewick"),
                                        .text = text,
                                        .icon = platform::MessageIcon::Information});
        box->show();
        guitest::ProcessEvents();
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        const int height =
            label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        EXPECT_LT(height, 4 * label->fontMetrics().lineSpacing()) << "width " << label->width();
        EXPECT_LE(box->width(), box->screen()->availableGeometry().width());
    }
    QApplication::setFont(DialogFont());
}

}  // namespace
