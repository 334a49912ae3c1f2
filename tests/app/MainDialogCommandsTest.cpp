#include "about/ProductInfo.h"
#include "about/ProductText.h"
#include "app/MainDialog.h"
#include "options/OptionsDialog.h"
#include "resources/templates/ResourceIds.h"
#include "settings/ProfileFile.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/GuiTesting.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/TempFolder.h"
#include "ui/DialogBuilder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFile>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

using namespace razzlewick;

namespace {

const QString kDisabledText = QStringLiteral(
    "This option is disabled until you raise the offensiveness level (use the \"Options\" menu)");

// PATH with the folder of fake helpers in front of what it holds now.
std::string FakeFirstOnPath(const QTemporaryDir& fakes)
{
    const char* path = std::getenv("PATH");
    return fakes.path().toStdString() + ":" + (path != nullptr ? path : "");
}

// Whether the control shows its tooltip when the mouse rests on it.
bool ShowsToolTip(QWidget* control)
{
    auto hide = [] {
        QToolTip::hideText();
        return QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000);
    };
    EXPECT_TRUE(hide());
    const QPoint local = control->rect().center();
    QHelpEvent event(QEvent::ToolTip, local, control->mapToGlobal(local));
    QApplication::sendEvent(control, &event);
    const bool shown = QToolTip::isVisible() && QToolTip::text() == control->toolTip();
    EXPECT_TRUE(hide());
    return shown;
}

class MainDialogCommandsTest : public ::testing::Test {
protected:
    MainDialog& Open()
    {
        window = std::make_unique<MainDialog>();
        apptest::AddStyles(window->Engine(), apptest::FourStyles());
        window->open();
        return *window;
    }

    QString ShownText() const
    {
        return guitest::Control<QPlainTextEdit>(window.get(), IDC_INSULT_TEXT)->toPlainText();
    }
    QString Label() const
    {
        return guitest::Control<QLabel>(window.get(), IDC_COMBINATIONS)->text();
    }
    bool Shown(int id) const { return guitest::Control<QWidget>(window.get(), id)->isVisible(); }

    // Runs `command` and hands the modal dialog it opens to `drive` (guitest::WhileModal).
    static QString WhileModal(const std::function<void()>& command,
                              const std::function<void(QDialog&)>& drive = {})
    {
        return guitest::WhileModal(command, [&drive](QWidget& window) {
            auto* dialog = qobject_cast<QDialog*>(&window);
            ASSERT_NE(dialog, nullptr) << window.metaObject()->className();
            if (drive)
                drive(*dialog);
        });
    }

    // Opens the Preferences from the menu and lets `drive` work the options dialog.
    void Preferences(const std::function<void(OptionsDialog&)>& drive)
    {
        const QString seen =
            WhileModal([this] { FindMenuAction(window.get(), ID_OPTIONS_PREFERENCES)->trigger(); },
                       [&](QDialog& modal) {
                           auto* options = qobject_cast<OptionsDialog*>(&modal);
                           ASSERT_NE(options, nullptr);
                           drive(*options);
                       });
        EXPECT_EQ(seen, "razzlewick::OptionsDialog");
    }

    static void PickLevel(OptionsDialog& options, int level)
    {
        auto* list = FindControl<QComboBox>(&options, IDC_LEVEL);
        QTest::keyClick(list, level == 0 ? Qt::Key_Up : Qt::Key_Down);
    }
    static void Ok(OptionsDialog& options) { guitest::ClickControl(&options, IDOK); }
    static void Cancel(OptionsDialog& options) { guitest::ClickControl(&options, IDCANCEL); }

    apptest::TempSettings settings;
    MessageBoxRecorder messages;
    std::unique_ptr<MainDialog> window;
};

TEST_F(MainDialogCommandsTest, ConstructionFillsTheProductRecord)
{
    Open();
    const ProductInfo& info = TheProductInfo();
    EXPECT_EQ(info.name, "Razzlewick");
    EXPECT_EQ(info.version, "v3.2");
    EXPECT_EQ(info.description,
              "Razzlewick is a silly little program that generates insults for you in a variety of "
              "styles. It then copies them into the clipboard (as text) so that you can paste them "
              "into emails, documents, or wherever else a good insult might be needed.");
    EXPECT_EQ(info.termsText, kProductTerms);
    EXPECT_EQ(info.disclaimerPlacement, 0);
    EXPECT_FALSE(info.icon.isNull());
    EXPECT_EQ(info.ownerWindow, nullptr);
}

TEST_F(MainDialogCommandsTest, RaisingTheLevelShowsModernAtOnceWithAFirstBatch)
{
    settings.Set("tab", 2);
    MainDialog& main = Open();
    ASSERT_EQ(Label(), "Option disabled");
    Preferences([](OptionsDialog& options) {
        PickLevel(options, 1);
        Ok(options);
    });
    EXPECT_EQ(messages.Count(), 1) << "the level warning";
    EXPECT_EQ(main.Options().level, 1);
    EXPECT_EQ(main.Engine().HistorySize(), 1);
    EXPECT_NE(Label(), "Option disabled");
    EXPECT_NE(ShownText(), kDisabledText);
    EXPECT_TRUE(ShownText().startsWith("You")) << ShownText().toStdString();
    EXPECT_TRUE(Shown(IDC_AGAIN));
    EXPECT_EQ(settings.Get("level", -9), 1);
}

TEST_F(MainDialogCommandsTest, LoweringAndRaisingTheLevelKeepsMediterraneanHistory)
{
    settings.Set("level", 1);
    settings.Set("tab", 3);
    MainDialog& main = Open();
    const QString first = ShownText();
    ASSERT_NE(first, kDisabledText);

    Preferences([](OptionsDialog& options) {
        PickLevel(options, 0);
        Ok(options);
    });
    EXPECT_EQ(main.Options().level, 0);
    EXPECT_EQ(Label(), "Option disabled");
    EXPECT_EQ(ShownText(), kDisabledText);
    EXPECT_FALSE(Shown(IDC_AGAIN));

    Preferences([](OptionsDialog& options) {
        PickLevel(options, 1);
        Ok(options);
    });
    EXPECT_EQ(ShownText(), first) << "its history entry, not a new batch";
    EXPECT_EQ(main.Engine().HistorySize(), 1);
}

TEST_F(MainDialogCommandsTest, CancelChangesNothingAndWritesNothing)
{
    settings.Set("tab", 2);
    settings.Set("num", 2);
    QFile file(QString::fromStdString(ProfileFile::Folder() + "Razzlewick.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    MainDialog& main = Open();
    Preferences([](OptionsDialog& options) {
        PickLevel(options, 1);
        FindControl<QCheckBox>(&options, IDC_ON_TOP)->click();
        FindControl<QCheckBox>(&options, IDC_TOOLTIPS)->click();
        FindControl<QLineEdit>(&options, IDC_COUNT)->setText(QStringLiteral("9"));
        Cancel(options);
    });
    EXPECT_EQ(main.Options().level, 0);
    EXPECT_EQ(main.Options().count, 2);
    EXPECT_EQ(main.Options().tooltips, 1);
    EXPECT_EQ(ShownText(), kDisabledText);
    EXPECT_FALSE(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST_F(MainDialogCommandsTest, AlwaysOnTopTakesEffectOnOk)
{
    MainDialog& main = Open();
    const QRect geometry = main.geometry();
    Preferences([](OptionsDialog& options) {
        FindControl<QCheckBox>(&options, IDC_ON_TOP)->click();
        Ok(options);
    });
    EXPECT_EQ(main.Options().alwaysOnTop, 1);
    EXPECT_TRUE(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.geometry(), geometry);
    EXPECT_EQ(settings.Get("ontop", -9), 1);

    Preferences([](OptionsDialog& options) {
        FindControl<QCheckBox>(&options, IDC_ON_TOP)->click();
        Ok(options);
    });
    EXPECT_FALSE(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(MainDialogCommandsTest, MainWindowTipsStopOnlyAfterOk)
{
    Open();
    QWidget* again = FindControlWidget(window.get(), IDC_AGAIN);
    ASSERT_TRUE(ShowsToolTip(again));
    bool mainTipsWhileOpen = false;
    Preferences([&](OptionsDialog& options) {
        FindControl<QCheckBox>(&options, IDC_TOOLTIPS)->click();
        mainTipsWhileOpen = ShowsToolTip(again);
        Ok(options);
    });
    EXPECT_TRUE(mainTipsWhileOpen);
    EXPECT_FALSE(ShowsToolTip(again));
    EXPECT_EQ(window->Options().tooltips, 0);
    EXPECT_EQ(settings.Get("tooltips", -9), 0);
}

TEST_F(MainDialogCommandsTest, CountAndAutoCopyApplyFromTheNextBatch)
{
    MainDialog& main = Open();
    const std::string shown = main.Text();
    Preferences([](OptionsDialog& options) {
        auto* edit = FindControl<QLineEdit>(&options, IDC_COUNT);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("3"));
        FindControl<QCheckBox>(&options, IDC_AUTOCOPY)->click();
        Ok(options);
    });
    EXPECT_EQ(main.Options().count, 3);
    EXPECT_EQ(main.Options().autoCopy, 1);
    EXPECT_EQ(main.Text(), shown) << "the text shown is not regenerated";

    ASSERT_TRUE(guitest::ClickControl(window.get(), IDC_AGAIN));
    EXPECT_EQ(ShownText().count(QLatin1Char('\n')), 3);
    EXPECT_EQ(QApplication::clipboard()->text(), apptest::AsCopied(main.Text()));
}

TEST_F(MainDialogCommandsTest, OkWritesTheSixKeysWithAutocopyInSmallLetters)
{
    settings.Set("tab", 1);
    Open();
    Preferences([](OptionsDialog& options) { Ok(options); });
    QFile file(QString::fromStdString(ProfileFile::Folder() + "Razzlewick.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QList<QByteArray> keys;
    for (const QByteArray& line : text.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            keys.append(line.left(equals).trimmed());
    }
    EXPECT_EQ(keys,
              (QList<QByteArray>{"tab", "num", "caps", "ontop", "level", "tooltips", "autocopy"}))
        << text.toStdString();
}

// Every way to the About box.
struct AboutRow {
    const char* name;
    std::function<void(MainDialog&)> command;
};

class MainDialogAboutTest : public MainDialogCommandsTest,
                            public ::testing::WithParamInterface<AboutRow> {};

TEST_P(MainDialogAboutTest, OpensTheAboutBox)
{
    Open();
    EXPECT_EQ(WhileModal([this] { GetParam().command(*window); }), "razzlewick::AboutDialog");
}

INSTANTIATE_TEST_SUITE_P(
    Ways, MainDialogAboutTest,
    ::testing::Values(
        AboutRow{"Button", [](MainDialog& w) { guitest::ClickControl(&w, IDC_ABOUT); }},
        AboutRow{"Menu", [](MainDialog& w) { FindMenuAction(&w, ID_HELP_ABOUT)->trigger(); }},
        AboutRow{"WindowMenuItem",
                 [](MainDialog& w) {
                     auto* menu = w.findChild<QMenu*>(QStringLiteral("systemMenu"));
                     ASSERT_NE(menu, nullptr);
                     ASSERT_EQ(menu->actions().size(), 1);
                     menu->actions().front()->trigger();
                 }},
        // The item is found by its command number, as the window menu knows it.
        AboutRow{"WindowMenuCommand",
                 [](MainDialog& w) {
                     for (QAction* action : w.findChildren<QAction*>()) {
                         if (action->data().toInt() == IDM_ABOUTBOX)
                             action->trigger();
                     }
                 }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainDialogCommandsTest, WindowMenuHoldsOnlyTheAboutItem)
{
    Open();
    auto* menu = window->findChild<QMenu*>(QStringLiteral("systemMenu"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().front()->text(), "&About Razzlewick...");
    EXPECT_EQ(menu->actions().front()->data().toInt(), 16);
}

// Right-clicks the window at a point of its own; returns the popup that came up, if any.
QMenu* ContextMenuAt(QWidget& window, QPoint pos)
{
    QMenu* shown = nullptr;
    QWidget* target = window.childAt(pos) != nullptr ? window.childAt(pos) : &window;
    QContextMenuEvent event(QContextMenuEvent::Mouse, target->mapFrom(&window, pos),
                            window.mapToGlobal(pos));
    guitest::WhileModal([&] { QApplication::sendEvent(target, &event); },
                        [&shown](QWidget& popup) { shown = qobject_cast<QMenu*>(&popup); });
    return shown;
}

TEST_F(MainDialogCommandsTest, RightClickOnTheBackgroundOffersTheWindowMenu)
{
    Open();
    auto* menu = window->findChild<QMenu*>(QStringLiteral("systemMenu"));
    QWidget* frame = FindControlWidget(window.get(), IDC_FRAME);
    QWidget* about = FindControlWidget(window.get(), IDC_ABOUT);
    // Below the frame around the working area: no control there.
    const QPoint background(frame->geometry().left() + 10, frame->geometry().bottom() + 4);
    ASSERT_EQ(window->childAt(background), nullptr);
    EXPECT_EQ(ContextMenuAt(*window, background), menu);
    // The frame is only drawn around the controls: inside it, beside the About button.
    const QPoint insideFrame(about->geometry().right() + 4, about->geometry().center().y());
    ASSERT_EQ(window->childAt(insideFrame), frame);
    EXPECT_EQ(ContextMenuAt(*window, insideFrame), menu);
    // A control is not the background.
    EXPECT_EQ(ContextMenuAt(*window, about->geometry().center()), nullptr);
}

TEST_F(MainDialogCommandsTest, DocumentationFromTheMenuWithoutAFileShowsNothing)
{
    Open();
    ProductInfo& info = TheProductInfo();
    const std::string name = info.name;
    info.name = "NoSuchProductAnywhere";  // no documentation file carries this name
    {
        QTemporaryDir emptyPath;
        // Nothing could start anyway.
        const ScopedEnvironment noPrograms("PATH", emptyPath.path().toStdString());
        const QString modal =
            WhileModal([this] { FindMenuAction(window.get(), ID_HELP_DOCUMENTATION)->trigger(); });
        EXPECT_EQ(modal, "");
        EXPECT_EQ(messages.Count(), 0);

        // The About box's own button does say so.
        WhileModal([this] { guitest::ClickControl(window.get(), IDC_ABOUT); },
                   [](QDialog& about) { guitest::ClickControl(&about, IDC_READ_DOCS); });
    }
    info.name = name;
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_TRUE(messages.LastText().startsWith("Unable to locate NoSuchProductAnywhere.html."))
        << messages.LastText().toStdString();
}

// The window reads the level in force, not the one the program started with.
TEST_F(MainDialogCommandsTest, DataFilesFromTheMenuShowTheStylesTheLevelWithholds)
{
    Open();
    const auto report = [this] {
        QString text;
        const QString seen = WhileModal(
            [this] { FindMenuAction(window.get(), ID_HELP_DATA_FILES)->trigger(); },
            [&text](QDialog& modal) {
                text = guitest::Control<QPlainTextEdit>(&modal, IDC_DATA_REPORT)->toPlainText();
            });
        EXPECT_EQ(seen, "razzlewick::DataFilesDialog");
        return text;
    };
    EXPECT_TRUE(report().contains(QStringLiteral("Modern - 5 combinations available; withheld")));
    Preferences([](OptionsDialog& options) {
        PickLevel(options, 1);
        Ok(options);
    });
    EXPECT_TRUE(report().contains(QStringLiteral("Modern - 5 combinations available\n")));
}

TEST_F(MainDialogCommandsTest, WebPageAndMailGoToTheDesktopLauncher)
{
    QTemporaryDir bin;
    const QString log = bin.filePath(QStringLiteral("log"));
    QFile script(bin.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + log + "'\n").toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    {
        const ScopedEnvironment fakeFirst("PATH", FakeFirstOnPath(bin));
        Open();
        FindMenuAction(window.get(), ID_HELP_WEB_PAGE)->trigger();
        FindMenuAction(window.get(), ID_HELP_MAIL)->trigger();
    }

    QFile logFile(log);
    ASSERT_TRUE(logFile.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = logFile.readAll().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "http://www.tallowfern.example/Razzlewick.html");
    EXPECT_TRUE(lines[1].startsWith("mailto:feedback@tallowfern.example"))
        << lines[1].toStdString();
    EXPECT_EQ(messages.Count(), 0);
}

// A launcher that keeps running must not hold up the window: an Escape that arrives while
// the web page is being opened ends the window then, not once the launcher has been given up.
TEST_F(MainDialogCommandsTest, EscapeWhileALauncherLingersEndsTheWindowAtOnce)
{
    QTemporaryDir bin;
    QFile script(bin.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nexec sleep 5 </dev/null >/dev/null 2>&1\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    {
        const ScopedEnvironment fakeFirst("PATH", FakeFirstOnPath(bin));
        Open();
        QCoreApplication::postEvent(
            window.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        FindMenuAction(window.get(), ID_HELP_WEB_PAGE)->trigger();
    }
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(messages.Count(), 0);
}

}  // namespace
