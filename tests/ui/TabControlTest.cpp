#include "ui/TabControl.h"

#include "resources/templates/ResourceIds.h"
#include "tests/support/GuiTesting.h"
#include "ui/TemplateDialog.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace razzlewick;

namespace {

// The pane frame is drawn by the tab control itself, over the whole rectangle the layout
// gives it, so the pages on it sit inside a frame that the selected header opens into.
TEST(TabControl, DrawsThePaneFrameJoinedToTheSelectedHeader)
{
    for (const int templateId : {IDD_MAIN, IDD_ABOUT}) {
        SCOPED_TRACE(templateId);
        TemplateDialog dialog(templateId, nullptr);
        auto* tabs = qobject_cast<TabControl*>(
            FindControlWidget(&dialog, templateId == IDD_MAIN ? IDC_STYLE_TABS : IDC_ABOUT_TABS));
        ASSERT_NE(tabs, nullptr);
        for (const char* text : {"First", "Second", "Third"})
            tabs->addTab(QString::fromLatin1(text));
        tabs->setCurrentIndex(1);
        // Only the strip is drawn: whatever sits on it in the dialog is out of the way.
        for (QWidget* sibling : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (sibling != tabs)
                sibling->hide();
        }
        dialog.show();
        const QImage image = dialog.grab().toImage();
        const QRect strip = tabs->geometry();
        const QRect pane = tabs->PaneRect().translated(strip.topLeft());
        const int middle = pane.center().y();
        const QRgb background = image.pixel(strip.left() - 2, middle);

        EXPECT_EQ(pane.bottom(), strip.bottom());
        EXPECT_EQ(pane.width(), strip.width());
        EXPECT_NE(image.pixel(pane.left(), middle), background) << "left edge";
        EXPECT_NE(image.pixel(pane.right(), middle), background) << "right edge";
        EXPECT_NE(image.pixel(pane.center().x(), pane.bottom()), background) << "bottom edge";

        const int selectedX = strip.left() + tabs->tabRect(1).center().x();
        const int otherX = strip.left() + tabs->tabRect(2).center().x();
        const QRgb inside = image.pixel(selectedX, pane.top() + 6);
        EXPECT_NE(image.pixel(otherX, pane.top()), inside) << "edge under another header";
        EXPECT_EQ(image.pixel(selectedX, pane.top()), inside) << "no edge under the selected one";
    }
}

}  // namespace
