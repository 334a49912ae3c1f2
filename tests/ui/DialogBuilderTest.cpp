#include "ui/DialogBuilder.h"

#include "resources/templates/ResourceIds.h"
#include "tests/support/GuiTesting.h"
#include "ui/ArrowButton.h"
#include "ui/DrawnButton.h"
#include "ui/SpinArrows.h"
#include "ui/TemplateDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <set>

using namespace razzlewick;

namespace {

TEST(DialogBuilder, DialogFontHasTheClassicBaseUnits)
{
    const DialogBaseUnits units = BaseUnitsOf(DialogFont());
    EXPECT_EQ(units.x, 7);
    EXPECT_EQ(units.y, 13);
}

TEST(DialogBuilder, DialogUnitsRoundToNearestPixel)
{
    const DialogBaseUnits units{7, 13};
    // x 107 -> 187.25, y 114 -> 185.25, 57 -> 99.75, 16 -> 26.
    EXPECT_EQ(DialogUnitsToPixels(QRect(107, 114, 57, 16), units), QRect(187, 185, 100, 26));
    // 2 -> 3.5 and 1 -> 1.625: halves round up.
    EXPECT_EQ(DialogUnitsToPixels(QRect(2, 1, 2, 1), units), QRect(4, 2, 4, 2));
    EXPECT_EQ(DialogUnitsToPixels(QSize(300, 156), units), QSize(525, 254));
}

TEST(DialogBuilder, MainWindowControlsSitAtTheirPixelRectangles)
{
    TemplateDialog dialog(IDD_MAIN, nullptr);
    const int top = MenuBarHeight(&dialog);
    EXPECT_GT(top, 0);
    EXPECT_EQ(dialog.size(), QSize(525, 254 + top));
    EXPECT_EQ(FindControlWidget(&dialog, IDC_AGAIN)->geometry(), QRect(187, 185 + top, 100, 26));
    EXPECT_EQ(FindControlWidget(&dialog, IDC_INSULT_TEXT)->geometry(),
              QRect(28, 49 + top, 306, 99));
    EXPECT_EQ(FindControlWidget(&dialog, IDC_PICTURE)->geometry(), QRect(352, 18 + top, 156, 158));
    // The arrows are squared to the even smaller side: 28 x 21 becomes 20 x 20.
    EXPECT_EQ(FindControlWidget(&dialog, IDC_UNDO)->geometry(), QRect(28, 150 + top, 20, 20));
    EXPECT_EQ(FindMenuBar(&dialog)->width(), 525);
}

struct KindRow {
    const char* name;
    int templateId;
    int controlId;
    const QMetaObject* kind;
};

class DialogBuilderKinds : public ::testing::TestWithParam<KindRow> {};

TEST_P(DialogBuilderKinds, ControlHasTheRightWidgetClass)
{
    TemplateDialog dialog(GetParam().templateId, nullptr);
    QWidget* control = FindControlWidget(&dialog, GetParam().controlId);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(GetParam().kind->cast(control) != nullptr)
        << control->metaObject()->className() << " is not " << GetParam().kind->className();
}

INSTANTIATE_TEST_SUITE_P(
    Controls, DialogBuilderKinds,
    ::testing::Values(
        KindRow{"frame", IDD_MAIN, IDC_FRAME, &QGroupBox::staticMetaObject},
        KindRow{"styleTabs", IDD_MAIN, IDC_STYLE_TABS, &QTabBar::staticMetaObject},
        KindRow{"insultText", IDD_MAIN, IDC_INSULT_TEXT, &QPlainTextEdit::staticMetaObject},
        KindRow{"undo", IDD_MAIN, IDC_UNDO, &ArrowButton::staticMetaObject},
        KindRow{"redo", IDD_MAIN, IDC_REDO, &ArrowButton::staticMetaObject},
        KindRow{"combinations", IDD_MAIN, IDC_COMBINATIONS, &QLabel::staticMetaObject},
        KindRow{"picture", IDD_MAIN, IDC_PICTURE, &QLabel::staticMetaObject},
        KindRow{"again", IDD_MAIN, IDC_AGAIN, &DrawnButton::staticMetaObject},
        KindRow{"exit", IDD_MAIN, IDCANCEL, &DrawnButton::staticMetaObject},
        KindRow{"level", IDD_OPTIONS, IDC_LEVEL, &QComboBox::staticMetaObject},
        KindRow{"capitalise", IDD_OPTIONS, IDC_CAPITALISE, &QCheckBox::staticMetaObject},
        KindRow{"count", IDD_OPTIONS, IDC_COUNT, &QLineEdit::staticMetaObject},
        KindRow{"spin", IDD_OPTIONS, IDC_COUNT_SPIN, &SpinArrows::staticMetaObject},
        KindRow{"report", IDD_STARTUP_PROBLEMS, IDC_REPORT, &QPlainTextEdit::staticMetaObject},
        KindRow{"aboutTabs", IDD_ABOUT, IDC_ABOUT_TABS, &QTabBar::staticMetaObject},
        KindRow{"aboutIcon", IDD_ABOUT, IDC_ABOUT_ICON, &QLabel::staticMetaObject},
        KindRow{"pageText", IDD_ABOUT_TEXT_PAGE, IDC_PAGE_TEXT, &QPlainTextEdit::staticMetaObject},
        KindRow{"makerLink", IDD_ABOUT_MAKER_PAGE, IDC_MAKER_LINK, &QLabel::staticMetaObject}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DialogBuilder, EveryTemplateControlIsFoundWithNameAndText)
{
    for (const DialogTemplate& dialogTemplate : AllDialogTemplates()) {
        TemplateDialog dialog(dialogTemplate.id, nullptr);
        std::set<QString> names;
        for (const ControlTemplate& control : dialogTemplate.controls) {
            SCOPED_TRACE(control.name);
            QWidget* widget = dialog.findChild<QWidget*>(QString::fromStdString(control.name));
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(ControlId(widget), control.id);
            EXPECT_TRUE(names.insert(widget->objectName()).second) << "duplicate name";
            if (control.id != IDC_STATIC) {
                EXPECT_EQ(FindControlWidget(&dialog, control.id), widget);
            }
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                EXPECT_EQ(button->text().toStdString(), control.text);
            }
        }
    }
}

TEST(DialogBuilder, FindControlChecksTheKind)
{
    TemplateDialog dialog(IDD_OPTIONS, nullptr);
    EXPECT_NE(FindControl<QComboBox>(&dialog, IDC_LEVEL), nullptr);
    EXPECT_EQ(FindControl<QLineEdit>(&dialog, IDC_LEVEL), nullptr);
    EXPECT_EQ(FindControl<QWidget>(&dialog, 9999), nullptr);
    auto* level = FindControl<QComboBox>(&dialog, IDC_LEVEL);
    ASSERT_EQ(level->count(), 2);
    EXPECT_EQ(level->itemText(1), QStringLiteral("I'm not easily offended - go for it!"));
    EXPECT_TRUE(FindControl<DrawnButton>(&dialog, IDOK)->isDefault() == false);
}

TEST(DialogBuilder, DefaultButtonAndWindowCaption)
{
    TemplateDialog dialog(IDD_MAIN, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Razzlewick"));
    EXPECT_TRUE(FindControl<DrawnButton>(&dialog, IDC_AGAIN)->isDefault());
    TemplateDialog options(IDD_OPTIONS, nullptr);
    EXPECT_EQ(options.windowTitle(), QStringLiteral("Razzlewick options"));
    // Without a sizing frame the size is fixed.
    EXPECT_EQ(options.minimumSize(), options.maximumSize());
}

// Windows marked as application windows are ordinary top-level windows, which taskbars
// list, as long as nothing owns them; with an owner (Preferences over the main window) a
// window is a dialog of its owner, which window managers keep above it. Run on its own, an
// application window is modal to nothing, so window managers do not take it for a dialog.
TEST(DialogBuilder, ApplicationWindowsAreTopLevelWindowsModalToNothing)
{
    TemplateDialog about(IDD_ABOUT, nullptr);
    EXPECT_EQ(about.windowType(), Qt::Dialog);
    TemplateDialog page(IDD_ABOUT_TEXT_PAGE, &about);
    EXPECT_FALSE(page.isWindow());
    TemplateDialog owner(IDD_MAIN, nullptr);
    TemplateDialog options(IDD_OPTIONS, &owner);
    EXPECT_EQ(options.windowType(), Qt::Dialog);
    TemplateDialog ownOptions(IDD_OPTIONS, nullptr);
    EXPECT_EQ(ownOptions.windowType(), Qt::Window);

    for (const int id : {IDD_MAIN, IDD_STARTUP_PROBLEMS}) {
        SCOPED_TRACE(id);
        TemplateDialog window(id, nullptr);
        EXPECT_EQ(window.windowType(), Qt::Window);
        bool modal = true;
        QTimer::singleShot(0, &window, [&window, &modal] {
            modal = window.isModal() || QApplication::activeModalWidget() != nullptr;
            window.accept();
        });
        EXPECT_EQ(window.exec(), QDialog::Accepted);
        EXPECT_FALSE(modal);
    }
}

TEST(DialogBuilder, MenuBarHoldsTheCommands)
{
    TemplateDialog dialog(IDD_MAIN, nullptr);
    const struct {
        int command;
        const char* text;
    } items[] = {{ID_FILE_EXIT, "E&xit"},
                 {ID_OPTIONS_PREFERENCES, "&Preferences"},
                 {ID_HELP_ABOUT, "&About"},
                 {ID_HELP_MAIL, "&Mail us"},
                 {ID_HELP_WEB_PAGE, "&Visit our web site"},
                 {ID_HELP_DOCUMENTATION, "&Read the documentation"}};
    for (const auto& item : items) {
        QAction* action = FindMenuAction(&dialog, item.command);
        ASSERT_NE(action, nullptr) << item.command;
        EXPECT_EQ(action->text(), QString::fromLatin1(item.text));
    }
    EXPECT_EQ(FindMenuBar(&dialog)->actions().size(), 3);
    EXPECT_EQ(LoadResourceString(IDS_ABOUTBOX), "&About Razzlewick...");
    EXPECT_EQ(LoadResourceString(12345), "");
}

TEST(DialogBuilder, TabKeyVisitsOnlyTabStops)
{
    // The About page's text box has no tab stop: a click may focus it, the Tab key may not.
    TemplateDialog page(IDD_ABOUT_TEXT_PAGE, nullptr);
    EXPECT_EQ(FindControlWidget(&page, IDC_PAGE_TEXT)->focusPolicy(), Qt::ClickFocus);
    TemplateDialog main(IDD_MAIN, nullptr);
    EXPECT_EQ(FindControlWidget(&main, IDC_INSULT_TEXT)->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(FindControlWidget(&main, IDC_COMBINATIONS)->focusPolicy(), Qt::NoFocus);
}

TEST(DialogBuilder, UnknownTemplateIsReportedByNumber)
{
    try {
        FindDialogTemplate(4711);
        FAIL() << "no exception";
    } catch (const std::out_of_range& error) {
        EXPECT_NE(std::string(error.what()).find("4711"), std::string::npos);
    }
}

}  // namespace
