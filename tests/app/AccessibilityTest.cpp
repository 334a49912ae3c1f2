// What assistive tools learn of every dialog, read in-process through Qt's accessibility
// interfaces (no accessibility bus needed).

#include "about/AboutDialog.h"
#include "about/ProductInfo.h"
#include "about/ProductText.h"
#include "app/DataFilesDialog.h"
#include "app/MainDialog.h"
#include "app/StartupProblemsDialog.h"
#include "options/OptionsDialog.h"
#include "resources/templates/ResourceIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/FakePrograms.h"
#include "tests/support/GuiTesting.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

using namespace razzlewick;

namespace {

QAccessibleInterface* Accessible(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

std::string Name(QWidget* widget)
{
    return Accessible(widget)->text(QAccessible::Name).toStdString();
}

// Each shown control of a dialog (pages included) gets a name as a person would say it:
// not empty, without the mnemonic's "&", without blanks around it. Frames without a title
// are decoration and carry none. No control hidden on its own offers to take the focus.
void ExpectEveryControlNamed(QWidget* dialog)
{
    const std::function<void(QAccessibleInterface*)> visit = [&](QAccessibleInterface* node) {
        auto* widget = qobject_cast<QWidget*>(node->object());
        const bool decoration = qobject_cast<QGroupBox*>(widget) != nullptr &&
                                qobject_cast<QGroupBox*>(widget)->title().isEmpty();
        if (widget != nullptr && widget != dialog && widget->isVisible() && !decoration &&
            qobject_cast<QMenuBar*>(widget) == nullptr &&
            widget->property(kControlIdProperty).isValid()) {
            const QString name = node->text(QAccessible::Name);
            EXPECT_FALSE(name.trimmed().isEmpty()) << qPrintable(widget->objectName());
            EXPECT_FALSE(name.contains(QLatin1Char('&'))) << qPrintable(name);
            EXPECT_EQ(name, name.trimmed());
        }
        if (widget != nullptr && widget->isHidden()) {
            EXPECT_FALSE(node->state().focusable) << qPrintable(widget->objectName());
        }
        for (int i = 0; i < node->childCount(); ++i)
            visit(node->child(i));
    };
    visit(Accessible(dialog));
}

TEST(Accessibility, MainWindowControlsAreNamed)
{
    apptest::TempSettings settings;
    MainDialog dialog;
    apptest::AddStyles(dialog.Engine(), apptest::FourStyles());
    dialog.open();
    ASSERT_TRUE(guitest::ClickControl(&dialog, IDC_AGAIN));  // a batch to step back to

    ExpectEveryControlNamed(&dialog);
    EXPECT_EQ(Name(guitest::Control(&dialog, IDC_UNDO)), "Previous batch");
    EXPECT_EQ(Name(guitest::Control(&dialog, IDC_REDO)), "Next batch");
    EXPECT_EQ(Name(guitest::Control(&dialog, IDC_INSULT_TEXT)), "Insults");
    EXPECT_EQ(Name(guitest::Control(&dialog, IDC_AGAIN)), "Again please!");
    EXPECT_EQ(Name(guitest::Control(&dialog, IDC_ABOUT)), "About");
    EXPECT_EQ(Accessible(guitest::Control(&dialog, IDC_AGAIN))->role(), QAccessible::PushButton);
    // The strip is named for what it holds, its tabs for their styles; a tab's press
    // action selects it.
    auto* tabs = guitest::Control<QTabBar>(&dialog, IDC_STYLE_TABS);
    QAccessibleInterface* strip = Accessible(tabs);
    EXPECT_EQ(strip->text(QAccessible::Name), "Styles");
    EXPECT_EQ(strip->role(), QAccessible::PageTabList);
    ASSERT_EQ(strip->childCount(), 4);
    QAccessibleInterface* modern = strip->child(2);
    EXPECT_EQ(modern->role(), QAccessible::PageTab);
    EXPECT_EQ(modern->text(QAccessible::Name), "Modern");
    EXPECT_EQ(strip->indexOfChild(modern), 2);
    EXPECT_TRUE(strip->child(0)->state().selected);
    modern->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_TRUE(modern->state().selected);
    tabs->setCurrentIndex(0);
    // The picture is named after the style it shows, and follows the tab.
    EXPECT_EQ(Name(guitest::Control(&dialog, IDC_PICTURE)), "Arabian");
    guitest::Control<QTabBar>(&dialog, IDC_STYLE_TABS)->setCurrentIndex(1);
    EXPECT_EQ(Name(guitest::Control(&dialog, IDC_PICTURE)), "Shakespearean");
}

TEST(Accessibility, OptionsFieldsAreNamedByTheirCaptions)
{
    apptest::TempSettings settings;
    OptionsDialog dialog;
    dialog.open();
    ExpectEveryControlNamed(&dialog);
    // A list is named by its current item on this desktop; its caption labels it.
    const auto labels =
        Accessible(guitest::Control(&dialog, IDC_LEVEL))->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name).toStdString(), "Offensiveness level");
    EXPECT_EQ(Name(guitest::Control(&dialog, IDC_COUNT)), "Generate");
    // The spin arrows are two buttons that step the count.
    QAccessibleInterface* spin = Accessible(guitest::Control(&dialog, IDC_COUNT_SPIN));
    ASSERT_EQ(spin->childCount(), 2);
    auto* count = guitest::Control<QLineEdit>(&dialog, IDC_COUNT);
    count->setText(QStringLiteral("5"));
    for (const auto& [index, name, after] :
         {std::tuple{0, "More", "6"}, std::tuple{1, "Fewer", "5"}}) {
        QAccessibleInterface* arrow = spin->child(index);
        EXPECT_EQ(arrow->role(), QAccessible::PushButton);
        EXPECT_EQ(arrow->text(QAccessible::Name), name);
        arrow->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(count->text(), after);
    }
    EXPECT_EQ(Name(guitest::Control(&dialog, IDC_CAPITALISE)), "Capitalise initial word");
}

TEST(Accessibility, StartupReportIsNamedByItsCaption)
{
    StartupProblemsDialog dialog({{"oldwords.dat", "is corrupted", true}}, nullptr);
    dialog.open();
    ExpectEveryControlNamed(&dialog);
    EXPECT_EQ(Name(guitest::Control(&dialog, IDC_REPORT)),
              "Razzlewick encountered errors during start-up:");
}

TEST(Accessibility, DataFilesReportIsNamed)
{
    apptest::TempSettings settings;
    InsultGenerator engine;
    DataFilesDialog dialog(engine, 0, nullptr);
    dialog.open();
    ExpectEveryControlNamed(&dialog);
}

TEST(Accessibility, AboutBoxPagesAndTheLinkThatPressesOpen)
{
    testing_support::FakePrograms fakes;
    fakes.Add("xdg-open");
    ProductInfo info;
    FillProductInfo(info, QIcon());
    AboutDialog dialog(info, nullptr);
    dialog.open();
    auto* tabs = guitest::Control<QTabBar>(&dialog, IDC_ABOUT_TABS);
    EXPECT_EQ(Accessible(tabs)->text(QAccessible::Name), "Pages");
    for (int page = 0; page < 3; ++page) {
        tabs->setCurrentIndex(page);
        ExpectEveryControlNamed(&dialog);
        EXPECT_EQ(Accessible(dialog.Page(page))->text(QAccessible::Name), tabs->tabText(page));
    }

    auto* link = guitest::Control(dialog.Page(0), IDC_MAKER_LINK);
    QAccessibleInterface* accessible = Accessible(link);
    EXPECT_EQ(accessible->role(), QAccessible::Link);
    EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(),
              "http://www.tallowfern.example/Software.html");
    EXPECT_FALSE(accessible->state().traversed);
    QAccessibleActionInterface* actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(fakes.Calls("xdg-open").size(), 1u);
    EXPECT_TRUE(accessible->state().traversed);
}

}  // namespace
