#include "app/MainDialog.h"

#include "about/ProductInfo.h"
#include "about/ProductText.h"
#include "app/AuthorPicture.h"
#include "app/CompactTabStyle.h"
#include "app/CopyWhenActive.h"
#include "app/DataFilesDialog.h"
#include "app/FavouritesDialog.h"
#include "app/InsultsToKeep.h"
#include "app/TextBoxScroll.h"
#include "cli/EntropySeed.h"
#include "cli/StyleListing.h"
#include "clipboard/SetClipboardText.h"
#include "generate/FormatCombinations.h"
#include "generate/InsultComposer.h"
#include "generate/RandomSource.h"
#include "options/OptionsDialog.h"
#include "platform/LocalDate.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/WaitCursor.h"
#include "resources/templates/DialogTemplate.h"
#include "resources/templates/ResourceIds.h"
#include "settings/FavouritesFile.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsKeys.h"
#include "ui/ArrowButton.h"
#include "ui/ConfirmationTip.h"
#include "ui/DisplayText.h"
#include "ui/DrawnButton.h"
#include "ui/FittedLabel.h"
#include "ui/FrameAccessible.h"
#include "ui/Pictures.h"
#include "ui/ShowControl.h"
#include "ui/TabControl.h"
#include "ui/TemplatePicture.h"
#include "ui/ToolTipControl.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabBar>
#include <QWindow>

#include <algorithm>

namespace razzlewick {

namespace {

constexpr std::array<int, MainDialog::kStyleCount> kStylePictureIds = {
    IDB_ARABIAN, IDB_SHAKESPEAREAN, IDB_MODERN, IDB_MEDITERRANEAN};
// A batch of more lines than this is scrolled so that its end shows.
constexpr int kVisibleLines = 6;
// Longer style names are cut on their tab, so one long name cannot crowd out the rest.
constexpr qsizetype kLongestTabLabel = 30;

// The styles that get a tab, in tab order.
std::vector<std::string> ShownTabKeys(const InsultGenerator& engine)
{
    std::vector<std::string> keys = StyleTabs::TabOrder(StyleKeys(engine));
    if (keys.size() > MainDialog::kMostTabs)
        keys.resize(MainDialog::kMostTabs);
    return keys;
}

// The tab's text: the four carry their keys; a further style its name.
QString TabLabel(const InsultGenerator& engine, std::size_t position, const std::string& key)
{
    const InsultStyle* style = engine.FindStyle(key);
    const bool named =
        position >= MainDialog::kStyleCount && style != nullptr && !style->Name().empty();
    QString label = EngineTextToDisplay(named ? style->Name() : key);
    if (label.size() > kLongestTabLabel)
        label = label.left(kLongestTabLabel - 1) + QChar(0x2026);
    // A tab takes "&" as the mark of its shortcut letter.
    return label.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

MainDialog::MainDialog(QWidget* parent)
    : ResizableDialog(IDD_MAIN, parent),
      exitButton_(RequireControl<DrawnButton>(IDCANCEL)),
      copyButton_(RequireControl<DrawnButton>(IDC_COPY)),
      againButton_(RequireControl<DrawnButton>(IDC_AGAIN)),
      aboutButton_(RequireControl<DrawnButton>(IDC_ABOUT)),
      undoButton_(RequireControl<ArrowButton>(IDC_UNDO)),
      redoButton_(RequireControl<ArrowButton>(IDC_REDO)),
      textBox_(RequireControl<QPlainTextEdit>(IDC_INSULT_TEXT)),
      combinationsLabel_(RequireControl<QLabel>(IDC_COMBINATIONS)),
      picture_(RequireControl<TemplatePicture>(IDC_PICTURE)),
      styleTabs_(RequireControl<QTabBar>(IDC_STYLE_TABS)),
      frame_(RequireControl<QGroupBox>(IDC_FRAME)),
      toolTipControl_(new ToolTipControl(this)),
      autoCopier_(new CopyWhenActive(
          this, [this] { CopyToClipboard(); }, [this] { return ClipboardText(currentText_); })),
      confirmation_(new ConfirmationTip(this))
{
    // The program's main window: screen readers announce it as one, not as a dialog.
    ShowAsFrame(*this);
    ConnectCommands();

    icon_ = ProgramIcon();
    FillProductInfo(TheProductInfo(), icon_);
    LoadSettings();
}

MainDialog::~MainDialog() = default;

void MainDialog::LoadSettings()
{
    const ProfileSnapshot settings = SettingsFile().Read();
    options_ = ReadUserOptions(settings);
    savedTab_ =
        settings.ReadInteger(SettingsKeys::kSection, SettingsKeys::kTab, SettingsKeys::kDefaultTab);
    if (settings.GetState() == ProfileSnapshot::State::TooLarge) {
        settingsProblem_ = QStringLiteral(
                               "The settings file %1 is larger than 1 MiB, so Razzlewick does not "
                               "read it: the settings are the first run's, and changes to them are "
                               "not saved until the file is smaller.")
                               .arg(QFile::decodeName(QByteArray::fromStdString(settings.Path())));
    }
}

void MainDialog::ConnectCommands()
{
    auto onClick = [this](QAbstractButton* button, void (MainDialog::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, handler);
    };
    onClick(againButton_, &MainDialog::OnAgain);
    onClick(copyButton_, &MainDialog::CopyToClipboard);
    onClick(undoButton_, &MainDialog::OnUndo);
    onClick(redoButton_, &MainDialog::OnRedo);
    onClick(aboutButton_, &MainDialog::OnAbout);
    onClick(exitButton_, &MainDialog::reject);

    auto onMenu = [this](int commandId, void (MainDialog::*handler)()) {
        connect(FindMenuAction(this, commandId), &QAction::triggered, this, handler);
    };
    onMenu(ID_FILE_EXIT, &MainDialog::reject);
    onMenu(ID_OPTIONS_PREFERENCES, &MainDialog::OnPreferences);
    onMenu(ID_HELP_ABOUT, &MainDialog::OnAbout);
    onMenu(ID_HELP_MAIL, &MainDialog::OnMailUs);
    onMenu(ID_HELP_WEB_PAGE, &MainDialog::OnVisitWebSite);
    onMenu(ID_HELP_DOCUMENTATION, &MainDialog::OnReadDocumentation);
    onMenu(ID_HELP_DATA_FILES, &MainDialog::OnDataFiles);
    onMenu(ID_FILE_KEEP, &MainDialog::OnKeep);
    onMenu(ID_FILE_FAVOURITES, &MainDialog::OnFavourites);
    textBox_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(textBox_, &QWidget::customContextMenuRequested, this, &MainDialog::ShowTextBoxMenu);
}

void MainDialog::BeforeFirstShow()
{
    ResizableDialog::BeforeFirstShow();
    undoButton_->SetDirection(ArrowDirection::Left);
    redoButton_->SetDirection(ArrowDirection::Right);
    // Names for screen readers, where the controls carry no text of their own.
    undoButton_->setAccessibleName(QStringLiteral("Previous batch"));
    redoButton_->setAccessibleName(QStringLiteral("Next batch"));
    textBox_->setAccessibleName(QStringLiteral("Insults"));
    styleTabs_->setAccessibleName(QStringLiteral("Styles"));
    for (DrawnButton* button : {exitButton_, copyButton_, againButton_, aboutButton_}) {
        button->SetOutline(OutlineKind::Capsule);
    }
    // The main window never saves its size.
    restoreSize = 0;

    AddAnchor(IDC_STYLE_TABS, StretchWidth | StretchHeight);
    AddAnchor(IDC_INSULT_TEXT, StretchWidth | StretchHeight);
    AddAnchor(IDC_FRAME, StretchWidth | StretchHeight);
    AddAnchor(IDC_COMBINATIONS, MoveRight | MoveDown | StretchWidth);
    AddAnchor(IDC_PICTURE, MoveRight);
    AddAnchor(IDC_UNDO, MoveDown);
    AddAnchor(IDC_ABOUT, MoveDown);
    AddAnchor(IDC_REDO, MoveRight | MoveDown);
    AddAnchor(IDC_AGAIN, MoveRight | MoveDown);
    AddAnchor(IDC_COPY, MoveRight | MoveDown);
    AddAnchor(IDCANCEL, MoveRight | MoveDown);

    AddWindowMenu();
    setWindowIcon(icon_);
    // The system's entropy, as the terminal uses: windows opened in one second still differ.
    SeedRandom(EntropySeed());

    // Narrower tabs, so the four fit without scroll buttons; a strip of more scrolls.
    tabStyle_ = new CompactTabStyle;
    tabStyle_->setParent(styleTabs_);
    styleTabs_->setStyle(tabStyle_);
    styleTabs_->setUsesScrollButtons(true);
    tabKeys_ = ShownTabKeys(engine_);
    FillTabs(StyleTabs::SavedPosition(savedTab_, tabKeys_.size()));
    KeepTextBoxOnThePage();
    connect(styleTabs_, &QTabBar::currentChanged, this, &MainDialog::RefreshStyle);
    RefreshStyle();

    toolTipControl_->AddTool(aboutButton_,
                             QStringLiteral("About Razzlewick.  Also feedback and web page info"));
    toolTipControl_->AddTool(againButton_, QStringLiteral("Generate the insult(s)"));
    toolTipControl_->AddTool(copyButton_, QStringLiteral("Copy to the clipboard as text"));
    toolTipControl_->AddTool(picture_, QStringLiteral("A picture"));
    toolTipControl_->AddTool(combinationsLabel_,
                             QStringLiteral("Number of combinations available"));
    // Styles of many long lists count in the quintillions, wider than the label.
    KeepTextInView(combinationsLabel_);
    toolTipControl_->AddTool(undoButton_, QStringLiteral("Undo"));
    toolTipControl_->AddTool(redoButton_, QStringLiteral("Redo"));
    toolTipControl_->AddTool(styleTabs_, QStringLiteral("Select a style"));
    ActivateToolTips(options_.tooltips != 0);

    PlaceTopmost(options_.alwaysOnTop != 0);
}

void MainDialog::FillTabs(std::size_t selected)
{
    // Filling and selecting are not the user's choice: no change notification.
    const QSignalBlocker blocker(styleTabs_);
    while (styleTabs_->count() > 0)
        styleTabs_->removeTab(styleTabs_->count() - 1);
    for (std::size_t position = 0; position < tabKeys_.size(); ++position)
        styleTabs_->addTab(TabLabel(engine_, position, tabKeys_[position]));
    FitTabsToWindow();
    styleTabs_->setCurrentIndex(static_cast<int>(selected));
}

void MainDialog::FitTabsToWindow()
{
    const int lacking = tabStyle_->FitTabs(*styleTabs_);
    if (lacking <= 0 || styleTabs_->count() > kTabsShownWhole)
        return;
    const QScreen* shownOn = screen();
    const int room = shownOn != nullptr
                         ? shownOn->availableGeometry().width() - frameGeometry().width()
                         : lacking;
    // The tab strip stretches with the window; its resize fits the tabs again.
    if (room > 0)
        resize(width() + std::min(lacking, room), height());
}

void MainDialog::ReloadDataFiles()
{
    const std::string shown = tabKeys_.at(static_cast<std::size_t>(styleTabs_->currentIndex()));
    {
        const platform::WaitCursor waitCursor;
        engine_.ReloadDataFiles(nullptr);
    }
    tabKeys_ = ShownTabKeys(engine_);
    const auto stays = std::find(tabKeys_.begin(), tabKeys_.end(), shown);
    // A picture the author changed shows anew.
    picture_->ForgetPictureFiles();
    FillTabs(stays != tabKeys_.end() ? static_cast<std::size_t>(stays - tabKeys_.begin()) : 0);
    KeepTextBoxOnThePage();
    RefreshStyle();
}

void MainDialog::ShowStylePicture(std::size_t position)
{
    const std::string& key = tabKeys_.at(position);
    if (position < kStyleCount) {
        // Drawn the first time its tab shows, so start-up draws one picture, not four.
        picture_->ShowPicture(kStylePictureIds[position]);
    } else {
        const InsultStyle* style = engine_.FindStyle(key);
        const std::string file = style != nullptr ? AuthorPicture(*style, key) : std::string();
        if (file.empty())
            picture_->ShowPicture(IDB_OWN_STYLE);
        else
            picture_->ShowPictureFile(QFile::decodeName(QByteArray::fromStdString(file)),
                                      IDB_OWN_STYLE);
    }
    picture_->setAccessibleName(EngineTextToDisplay(key));
}

void MainDialog::KeepTextBoxOnThePage()
{
    // Styles with taller headers than the layout was made for would have the text box
    // cover the headers' foot, and with it the selected one's mark: the box then starts
    // below them, its bottom where it was.
    const auto* tabs = qobject_cast<const TabControl*>(styleTabs_);
    if (tabs == nullptr)
        return;
    const int pageTop = tabs->y() + tabs->PageTop() + 1;
    QRect box = textBox_->geometry();
    if (box.top() >= pageTop)
        return;
    box.setTop(pageTop);
    textBox_->setGeometry(box);
}

void MainDialog::RefreshStyle()
{
    const auto position = static_cast<std::size_t>(styleTabs_->currentIndex());
    ShowStylePicture(position);
    if (StyleTabs::WithholdsPosition(options_.level, position)) {
        combinationsLabel_->setText(QString::fromLatin1(kDisabledLabel));
        currentText_ = kDisabledMessage;
        textBox_->setPlainText(EngineTextToDisplay(currentText_));
        ShowControls(false);
        return;
    }
    // The key, not the tab's text: a further style's tab shows its name.
    engine_.SelectStyle(tabKeys_[position]);
    combinationsLabel_->setText(
        EngineTextToDisplay(FormatCombinations(engine_.CombinationCount())));
    if (engine_.HistorySize() > 0) {
        currentText_ = engine_.CurrentText();
        ShowText(false);
    } else {
        ShowText(true);
    }
}

void MainDialog::ShowText(bool generate)
{
    if (generate)
        currentText_ =
            Generate(engine_, options_.count, options_.capitalise == 1, Repeats::AvoidRecent);
    scrollPending_ = false;
    textBox_->setPlainText(EngineTextToDisplay(currentText_));
    ShowControls(true);
    if (options_.count > kVisibleLines)
        ScrollToEnd();
    if (options_.autoCopy != 0)
        autoCopier_->Request();
}

void MainDialog::ShowControls(bool show)
{
    const int state = show ? engine_.HistoryState() : 0;
    ShowControl(againButton_, show);
    ShowControl(undoButton_, show && (state & kHistoryBackImpossible) == 0);
    ShowControl(redoButton_, show && (state & kHistoryForwardImpossible) == 0);
}

void MainDialog::CopyToClipboard()
{
    // The clipboard shows nothing of itself: copying by hand or by AutoCopy, the user sees
    // and hears that it worked. A failure stays silent, as it always was.
    if (SetClipboardText(currentText_))
        confirmation_->Show(*copyButton_, QStringLiteral("Copied"));
}

void MainDialog::PlaceTopmost(bool onTop)
{
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    QWindow* handle = windowHandle();
    if (handle == nullptr || !isVisible()) {
        // Not on screen yet: the flag is simply part of how the window will be shown.
        setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        return;
    }
    // QWidget::setWindowFlags would hide the window, which ends a modal run and lets the
    // window manager place it anew; the native window takes the flag as it stands.
    handle->setFlag(Qt::WindowStaysOnTopHint, onTop);
    overrideWindowFlags(handle->flags());
}

void MainDialog::ActivateToolTips(bool active)
{
    toolTipControl_->Activate(active);
}

void MainDialog::reject()
{
    SettingsFile().WriteInteger(SettingsKeys::kSection, SettingsKeys::kTab,
                                styleTabs_->currentIndex());
    accept();
}

void MainDialog::ScrollToEnd()
{
    if (!textBox_->isVisible()) {
        scrollPending_ = true;
        return;
    }
    scrollPending_ = false;
    ScrollToLastLines(*textBox_, kVisibleLines);
}

void MainDialog::showEvent(QShowEvent* event)
{
    ResizableDialog::showEvent(event);
    if (scrollPending_)
        ScrollToEnd();
}

void MainDialog::moveEvent(QMoveEvent* event)
{
    ResizableDialog::moveEvent(event);
    RepaintControls();
}

void MainDialog::resizeEvent(QResizeEvent* event)
{
    ResizableDialog::resizeEvent(event);
    // Tabs narrowed for a strip too short may take their room back, or need less of it.
    if (styleTabs_->count() > kStyleCount)
        tabStyle_->FitTabs(*styleTabs_);
    RepaintControls();
}

void MainDialog::RepaintControls()
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{combinationsLabel_, exitButton_, copyButton_, againButton_,
                                         aboutButton_, undoButton_, redoButton_, picture_}) {
        control->update();
    }
}

void MainDialog::OnAgain()
{
    ShowText(true);
}

void MainDialog::OnUndo()
{
    currentText_ = engine_.StepBack();
    ShowText(false);
}

void MainDialog::OnRedo()
{
    currentText_ = engine_.StepForward();
    ShowText(false);
}

void MainDialog::OnAbout()
{
    TheProductInfo().ShowAbout();
}

void MainDialog::OnPreferences()
{
    // The dialog reads its starting values from the settings file, not from here.
    OptionsDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const UserOptions& chosen = dialog.Options();
    const bool levelChanged = chosen.level != options_.level;
    const bool toolTipsChanged = chosen.tooltips != options_.tooltips;
    options_ = chosen;
    if (levelChanged)
        RefreshStyle();
    PlaceTopmost(options_.alwaysOnTop != 0);
    if (toolTipsChanged)
        ActivateToolTips(options_.tooltips != 0);
    // A new count or capitalisation shows with the next batch; nothing is regenerated.
    dialog.Save();
}

// The results are not used: a missing documentation file says nothing from the menu (the
// About box's own button reports it), and a failed mail has told the user already.
void MainDialog::OnMailUs()
{
    TheProductInfo().SendFeedback();
}

void MainDialog::OnVisitWebSite()
{
    TheProductInfo().OpenWebPage();
}

void MainDialog::OnReadDocumentation()
{
    TheProductInfo().OpenDocumentation();
}

void MainDialog::OnDataFiles()
{
    DataFilesDialog dialog(engine_, options_.level, this, [this] { ReloadDataFiles(); });
    dialog.exec();
}

void MainDialog::OnKeep()
{
    const auto position = static_cast<std::size_t>(styleTabs_->currentIndex());
    // The disabled message is no insult; nor is anything when no style could be loaded.
    if (StyleTabs::WithholdsPosition(options_.level, position) || position >= tabKeys_.size() ||
        engine_.FindStyle(tabKeys_[position]) == nullptr)
        return;
    const std::string date = platform::LocalDate();
    std::vector<Favourite> favourites;
    for (std::string& text : InsultsToKeep(*textBox_))
        favourites.push_back({date, tabKeys_[position], std::move(text)});
    if (favourites.empty())
        return;
    const FavouritesChange change = FavouritesFile(FavouritesFile::DefaultPath()).Add(favourites);
    if (!change.Succeeded()) {
        platform::ShowMessageBox(
            this,
            QStringLiteral("Nothing was kept: %1.").arg(FileSystemTextToDisplay(change.error)),
            platform::MessageIcon::Exclamation);
        return;
    }
    QString said = QStringLiteral("Kept already");
    if (change.changed == 1)
        said = QStringLiteral("Kept");
    else if (change.changed > 1)
        said = QStringLiteral("Kept %1").arg(change.changed);
    confirmation_->Show(*textBox_, said);
}

void MainDialog::OnFavourites()
{
    FavouritesDialog dialog(FavouritesFile::DefaultPath(), this);
    dialog.exec();
}

void MainDialog::ShowTextBoxMenu(const QPoint& position)
{
    // A right click keeps the line clicked, unless text is selected.
    if (!textBox_->textCursor().hasSelection())
        textBox_->setTextCursor(textBox_->cursorForPosition(position));
    QMenu* menu = textBox_->createStandardContextMenu(position);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setObjectName(QStringLiteral("textBoxMenu"));
    menu->addSeparator();
    menu->addAction(FindMenuAction(this, ID_FILE_KEEP));
    menu->popup(textBox_->viewport()->mapToGlobal(position));
}

void MainDialog::AddWindowMenu()
{
    // Window managers give a program no way into their window menu, so the About item lives
    // in a menu of its own on the window's background.
    windowMenu_ = new QMenu(this);
    windowMenu_->setObjectName(QStringLiteral("systemMenu"));
    QAction* about = windowMenu_->addAction(EngineTextToDisplay(LoadResourceString(IDS_ABOUTBOX)));
    about->setData(IDM_ABOUTBOX);
    connect(about, &QAction::triggered, this, &MainDialog::OnAbout);
}

void MainDialog::contextMenuEvent(QContextMenuEvent* event)
{
    // The frame around the working area counts as background; every other control does not.
    QWidget* child = childAt(event->pos());
    if (child != nullptr && child != frame_) {
        event->ignore();
        return;
    }
    windowMenu_->popup(event->globalPos());
}

}  // namespace razzlewick
