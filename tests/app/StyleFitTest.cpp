// No control's text is cut under the styles a desktop may give the program: every dialog,
// under each style this machine has of Fusion, Windows, Adwaita and Adwaita-Dark, and
// under the style the program starts with.

#include "about/AboutDialog.h"
#include "about/CHyperLink.h"
#include "about/ProductInfo.h"
#include "about/ProductText.h"
#include "app/MainDialog.h"
#include "app/StartupProblemsDialog.h"
#include "options/OptionsDialog.h"
#include "tests/app/AppTestSupport.h"
#include "ui/DrawnButton.h"
#include "ui/EdgeContrastStyle.h"
#include "ui/TabControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QStyleOptionTab>
#include <QTabBar>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace razzlewick;

namespace {

std::vector<std::string> StylesToTry()
{
    std::vector<std::string> styles = {"default"};
    const QStringList available = QStyleFactory::keys();
    for (const char* name : {"Fusion", "Windows", "Adwaita", "Adwaita-Dark"}) {
        if (available.contains(QLatin1String(name), Qt::CaseInsensitive))
            styles.emplace_back(name);
    }
    return styles;
}

class StyleFit : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        if (!startStyle_)
            startStyle_ = EdgeContrastStyle::ApplicationStyleName();
        const QString name =
            GetParam() == "default" ? *startStyle_ : QString::fromStdString(GetParam());
        QApplication::setStyle(QStyleFactory::create(name));
    }
    void TearDown() override { QApplication::setStyle(QStyleFactory::create(*startStyle_)); }

    static inline std::optional<QString> startStyle_;
    apptest::TempSettings settings;
};

std::string Where(const QWidget* control, const QString& text)
{
    return control->window()->objectName().toStdString() + "/" +
           control->objectName().toStdString() + " \"" + text.toStdString() + "\"";
}

int TextWidth(const QWidget* control, QString text)
{
    return control->fontMetrics().horizontalAdvance(text.remove(QLatin1Char('&')));
}

// Checks each shown control of the dialog whose text the style lays out.
void ExpectNoTextCut(QWidget* dialog)
{
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
        if (!control->isVisible())
            continue;
        if (auto* link = qobject_cast<CHyperLink*>(control)) {
            // A link on a page must clear the frame of the tab strip around the page.
            auto* strip = dialog->window()->findChild<TabControl*>();
            ASSERT_NE(strip, nullptr);
            const int frame = strip->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
            QWidget* window = link->window();
            const QRect pane = strip->PaneRect().adjusted(frame, frame, -frame, -frame);
            const QRect inside(strip->mapTo(window, pane.topLeft()), pane.size());
            const QRect at(link->mapTo(window, QPoint(0, 0)), link->size());
            EXPECT_TRUE(inside.contains(at)) << Where(link, link->text());
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            if (label->text().isEmpty())
                continue;
            const QRect room = label->contentsRect();
            if (label->wordWrap()) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height())
                    << Where(label, label->text());
            } else {
                EXPECT_LE(TextWidth(label, label->text()), room.width())
                    << Where(label, label->text());
            }
        } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
            QStyleOptionButton option;
            option.initFrom(check);
            option.text = check->text();
            const QRect text =
                check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
            EXPECT_LE(TextWidth(check, check->text()), text.width()) << Where(check, check->text());
        } else if (auto* tabs = qobject_cast<QTabBar*>(control)) {
            for (int i = 0; i < tabs->count(); ++i) {
                EXPECT_TRUE(tabs->rect().contains(tabs->tabRect(i)))
                    << Where(tabs, tabs->tabText(i));
                QStyleOptionTab option;
                option.initFrom(tabs);
                option.rect = tabs->tabRect(i);
                option.text = tabs->tabText(i);
                option.shape = tabs->shape();
                const QRect text =
                    tabs->style()->subElementRect(QStyle::SE_TabBarTabText, &option, tabs);
                const int width = TextWidth(tabs, tabs->tabText(i));
                EXPECT_LE(width, text.width()) << Where(tabs, tabs->tabText(i));
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                               QStyle::SC_ComboBoxEditField, combo);
            for (int i = 0; i < combo->count(); ++i)
                EXPECT_LE(TextWidth(combo, combo->itemText(i)), field.width())
                    << Where(combo, combo->itemText(i));
        } else if (auto* button = qobject_cast<DrawnButton*>(control)) {
            const QRect label = button->Outline().RingRegion(3).boundingRect();
            EXPECT_LE(TextWidth(button, button->text()), label.width())
                << Where(button, button->text());
        }
    }
}

TEST_P(StyleFit, MainWindow)
{
    settings.Set("level", 1);
    MainDialog dialog;
    apptest::AddStyles(dialog.Engine(), apptest::FourStyles());
    dialog.open();
    ExpectNoTextCut(&dialog);
    // The text box leaves the headers' foot, where styles mark the selected one, uncovered.
    auto* tabs = dialog.findChild<TabControl*>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_GT(dialog.findChild<QPlainTextEdit*>()->y(), tabs->y() + tabs->PageTop());
}

TEST_P(StyleFit, Options)
{
    OptionsDialog dialog;
    dialog.open();
    ExpectNoTextCut(&dialog);
}

TEST_P(StyleFit, StartupProblems)
{
    StartupProblemsDialog dialog({{"oldwords.dat", "is corrupted", true}}, nullptr);
    dialog.open();
    ExpectNoTextCut(&dialog);
}

TEST_P(StyleFit, AboutBoxOnEachPage)
{
    ProductInfo info;
    FillProductInfo(info, QIcon());
    AboutDialog dialog(info, nullptr);
    dialog.open();
    for (int page = 0; page < 3; ++page) {
        dialog.findChild<TabControl*>()->setCurrentIndex(page);
        ExpectNoTextCut(&dialog);
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, StyleFit, ::testing::ValuesIn(StylesToTry()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::erase(name, '-');
                             return name;
                         });

}  // namespace
