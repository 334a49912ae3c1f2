#include "ui/TabControl.h"

#include "resources/templates/ResourceIds.h"
#include "tests/support/GuiTesting.h"
#include "tests/support/RenderedImage.h"
#include "ui/TemplateDialog.h"

#include <QImage>

#include <gtest/gtest.h>

#include <tuple>

using namespace razzlewick;

namespace {

// The dialog's tab control with three headers, `selected` the current one, shown on its
// own: whatever sits on it in the dialog is out of the way.
TabControl* ShowStripAlone(TemplateDialog& dialog, int templateId, int selected)
{
    auto* tabs = qobject_cast<TabControl*>(
        FindControlWidget(&dialog, templateId == IDD_MAIN ? IDC_STYLE_TABS : IDC_ABOUT_TABS));
    if (tabs == nullptr)
        return nullptr;
    for (const char* text : {"First", "Second", "Third"})
        tabs->addTab(QString::fromLatin1(text));
    tabs->setCurrentIndex(selected);
    for (QWidget* sibling : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (sibling != tabs)
            sibling->hide();
    }
    dialog.show();
    return tabs;
}

// The pane frame is drawn by the tab control itself, over the whole rectangle the layout
// gives it, so the pages on it sit inside a frame that the selected header opens into.
TEST(TabControl, DrawsThePaneFrameJoinedToTheSelectedHeader)
{
    for (const int templateId : {IDD_MAIN, IDD_ABOUT}) {
        SCOPED_TRACE(templateId);
        TemplateDialog dialog(templateId, nullptr);
        TabControl* tabs = ShowStripAlone(dialog, templateId, 1);
        ASSERT_NE(tabs, nullptr);
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

// Some styles paint the selected header's foot well below its rectangle, trusting the
// header bar of a tab widget to clip it. Below the base line the page shows nothing of it:
// under the selected header, the frame's left edge included, every row is like the page's
// middle row. Light and dark, the first header selected and a middle one.
class TabControlPage : public ::testing::TestWithParam<std::tuple<bool, int>> {};

TEST_P(TabControlPage, ShowsNothingOfTheSelectedHeaderBelowTheBaseLine)
{
    const auto [dark, selected] = GetParam();
    for (const int templateId : {IDD_MAIN, IDD_ABOUT}) {
        SCOPED_TRACE(templateId);
        TemplateDialog dialog(templateId, nullptr);
        if (dark)
            dialog.setPalette(guitest::DarkPalette());
        TabControl* tabs = ShowStripAlone(dialog, templateId, selected);
        ASSERT_NE(tabs, nullptr);
        const QImage image = dialog.grab().toImage();
        const QPoint origin = tabs->geometry().topLeft();
        const QRect header = tabs->tabRect(selected).translated(origin);
        const int middle = tabs->PaneRect().translated(origin).center().y();

        const QRect under(header.left(), header.bottom() + 1, header.width(),
                          middle - header.bottom() - 1);
        const QRect band = guitest::UnlikeRow(image, under, middle);
        EXPECT_TRUE(band.isEmpty()) << "rows " << band.top() << " to " << band.bottom()
                                    << " under the header ending on row " << header.bottom();
    }
}

INSTANTIATE_TEST_SUITE_P(Palettes, TabControlPage,
                         ::testing::Combine(::testing::Bool(), ::testing::Values(0, 1)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) ? "Dark" : "Light") +
                                    "Selected" + std::to_string(std::get<1>(info.param));
                         });

}  // namespace
