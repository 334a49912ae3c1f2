#include "app/MainDialog.h"

#include "about/ProductInfo.h"
#include "about/ProductText.h"
#include "about/SetClipboardText.h"
#include "app/CompactTabStyle.h"
#include "app/CopyWhenActive.h"
#include "app/DisplayText.h"
#include "app/ProgramIcon.h"
#include "app/TextBoxScroll.h"
#include "data/Windows1252.h"
#include "generate/FormatCombinations.h"
#include "generate/GeneratorOperations.h"
#include "generate/RandomSource.h"
#include "options/OptionsDialog.h"
#include "resources/templates/ResourceIds.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsKeys.h"
#include "settings/UserOptions.h"
#include "resources/templates/DialogTemplate.h"
#include "ui/ArrowButton.h"
#include "ui/DialogBuilder.h"
#include "ui/DrawnButton.h"
#include "ui/ToolTipControl.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QWindow>

#include <ctime>

namespace {

constexpr std::array<int, MainDialog::kStyleCount> kStylePictureIds = {
    IDB_ARABIAN, IDB_SHAKESPEAREAN, IDB_MODERN, IDB_MEDITERRANEAN};
// Styles at these tab positions need an offensiveness level above 0.
constexpr int kFirstCoarseTab = 2;
// The tab control hands back at most this many characters of a tab's text.
constexpr int kTabTextRoom = 20 - 1;
// A batch of more lines than this is scrolled so that its end shows.
constexpr int kVisibleLines = 6;

// HistoryState bits: set when the step is not possible.
constexpr int kCannotStepBack = 1;
constexpr int kCannotStepForward = 2;

}  // namespace

MainDialog::MainDialog(QWidget* parent) : ResizableDialog(IDD_MAIN, parent)
{
    exitButton = FindControl<DrawnButton>(this, IDCANCEL);
    copyButton = FindControl<DrawnButton>(this, IDC_COPY);
    againButton = FindControl<DrawnButton>(this, IDC_AGAIN);
    aboutButton = FindControl<DrawnButton>(this, IDC_ABOUT);
    undoButton = FindControl<ArrowButton>(this, IDC_UNDO);
    redoButton = FindControl<ArrowButton>(this, IDC_REDO);
    textBox = FindControlWidget(this, IDC_INSULT_TEXT);
    combinationsLabel = FindControl<QLabel>(this, IDC_COMBINATIONS);
    picture = FindControl<QLabel>(this, IDC_PICTURE);
    styleTabs = FindControl<QTabBar>(this, IDC_STYLE_TABS);
    frame = FindControlWidget(this, IDC_FRAME);
    toolTipControl = new ToolTipControl(this);
    autoCopier = new CopyWhenActive(this, [this] { CopyToClipboard(); });
    ConnectCommands();

    icon = ProgramIcon();
    ProductInfo& productInfo = TheProductInfo();
    FillProductInfo(productInfo, icon);
    LoadSettings();
}

MainDialog::~MainDialog() = default;

void MainDialog::LoadSettings()
{
    const UserOptions stored = ReadUserOptions(SettingsFile());
    count = stored.count;
    capitalise = stored.capitalise;
    alwaysOnTop = stored.alwaysOnTop;
    level = stored.level;
    tooltips = stored.tooltips;
    autoCopy = stored.autoCopy;
}

void MainDialog::ConnectCommands()
{
    auto onClick = [this](QAbstractButton* button, void (MainDialog::*handler)()) {
        if (button != nullptr)
            connect(button, &QAbstractButton::clicked, this, handler);
    };
    onClick(againButton, &MainDialog::OnAgain);
    onClick(copyButton, &MainDialog::CopyToClipboard);
    onClick(undoButton, &MainDialog::OnUndo);
    onClick(redoButton, &MainDialog::OnRedo);
    onClick(aboutButton, &MainDialog::OnAbout);
    onClick(exitButton, &MainDialog::reject);

    auto onMenu = [this](int commandId, void (MainDialog::*handler)()) {
        if (QAction* action = FindMenuAction(this, commandId)) {
            connect(action, &QAction::triggered, this, handler);
        }
    };
    onMenu(ID_FILE_EXIT, &MainDialog::reject);
    onMenu(ID_OPTIONS_PREFERENCES, &MainDialog::OnPreferences);
    onMenu(ID_HELP_ABOUT, &MainDialog::OnAbout);
    onMenu(ID_HELP_MAIL, &MainDialog::OnMailUs);
    onMenu(ID_HELP_WEB_PAGE, &MainDialog::OnVisitWebSite);
    onMenu(ID_HELP_DOCUMENTATION, &MainDialog::OnReadDocumentation);
}

void MainDialog::OnInitDialog()
{
    ResizableDialog::OnInitDialog();
    if (undoButton != nullptr)
        undoButton->SetDirection(ArrowDirection::Left);
    if (redoButton != nullptr)
        redoButton->SetDirection(ArrowDirection::Right);
    for (DrawnButton* button : {exitButton, copyButton, againButton, aboutButton}) {
        if (button != nullptr)
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

    AddSystemMenuItems();
    setWindowIcon(icon);
    SeedRandom(static_cast<uint32_t>(std::time(nullptr)));

    int tab = SettingsFile().ReadInteger(SettingsKeys::section, SettingsKeys::tab,
                                         SettingsKeys::defaultTab);
    if (tab < 0 || tab >= kStyleCount)
        tab = 0;
    if (styleTabs != nullptr) {
        // Filling and selecting are not the user's choice: no change notification.
        const QSignalBlocker blocker(styleTabs);
        // Narrower tabs, so no scroll buttons are needed: they would span the strip's height.
        auto* tabStyle = new CompactTabStyle;
        tabStyle->setParent(styleTabs);
        styleTabs->setStyle(tabStyle);
        styleTabs->setUsesScrollButtons(false);
        for (const char* name : kStyleNames)
            styleTabs->addTab(QString::fromLatin1(name));
        styleTabs->setCurrentIndex(tab);
        connect(styleTabs, &QTabBar::currentChanged, this, &MainDialog::RefreshStyle);
    }
    RefreshStyle();

    toolTipControl->AddTool(aboutButton,
                            QStringLiteral("About Razzlewick.  Also feedback and web page info"));
    toolTipControl->AddTool(againButton, QStringLiteral("Generate the insult(s)"));
    toolTipControl->AddTool(copyButton, QStringLiteral("Copy to the clipboard as text"));
    toolTipControl->AddTool(picture, QStringLiteral("A picture"));
    toolTipControl->AddTool(combinationsLabel, QStringLiteral("Number of combinations available"));
    toolTipControl->AddTool(undoButton, QStringLiteral("Undo"));
    toolTipControl->AddTool(redoButton, QStringLiteral("Redo"));
    toolTipControl->AddTool(styleTabs, QStringLiteral("Select a style"));
    ActivateToolTips(tooltips != 0);

    PlaceTopmost(alwaysOnTop != 0);
}

int MainDialog::SelectedTab() const
{
    return styleTabs != nullptr ? styleTabs->currentIndex() : 0;
}

void MainDialog::RefreshStyle()
{
    const int position = SelectedTab();
    if (picture != nullptr && position >= 0 && position < kStyleCount) {
        // Drawn the first time its tab shows, so start-up draws one picture, not four.
        QPixmap& stylePicture = stylePictures[position];
        if (stylePicture.isNull())
            stylePicture = LoadPicture(kStylePictureIds[position]);
        picture->setPixmap(stylePicture);
    }
    if (position >= kFirstCoarseTab && level == 0) {
        if (combinationsLabel != nullptr)
            combinationsLabel->setText(QString::fromLatin1(kDisabledLabel));
        currentText = kDisabledMessage;
        SetEditText(textBox, EngineTextToDisplay(currentText));
        ShowControls(false);
        return;
    }
    if (styleTabs != nullptr) {
        const QString name = styleTabs->tabText(position).left(kTabTextRoom);
        const QByteArray utf8 = name.toUtf8();
        engine.SelectStyle(Utf8ToWindows1252(std::string_view(utf8.constData(), utf8.size())).text);
    }
    if (combinationsLabel != nullptr) {
        combinationsLabel->setText(
            EngineTextToDisplay(FormatCombinations(CombinationCount(engine))));
    }
    if (HistorySize(engine) > 0) {
        currentText = ::CurrentText(engine);
        ShowText(false);
    } else {
        ShowText(true);
    }
}

void MainDialog::ShowText(bool generate)
{
    if (generate)
        currentText = Generate(engine, count, capitalise == 1);
    scrollPending = false;
    SetEditText(textBox, EngineTextToDisplay(currentText));
    ShowControls(true);
    if (count > kVisibleLines)
        ScrollToEnd();
    if (autoCopy != 0)
        autoCopier->Request();
}

void MainDialog::ShowControls(bool show)
{
    const int state = show ? HistoryState(engine) : 0;
    if (againButton != nullptr)
        againButton->setVisible(show);
    if (undoButton != nullptr)
        undoButton->setVisible(show && (state & kCannotStepBack) == 0);
    if (redoButton != nullptr)
        redoButton->setVisible(show && (state & kCannotStepForward) == 0);
}

void MainDialog::CopyToClipboard()
{
    SetClipboardText(currentText);
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
    toolTipControl->Activate(active);
}

void MainDialog::reject()
{
    SettingsFile().WriteInteger(SettingsKeys::section, SettingsKeys::tab, SelectedTab());
    accept();
}

void MainDialog::ScrollToEnd()
{
    if (textBox == nullptr || !textBox->isVisible()) {
        scrollPending = true;
        return;
    }
    scrollPending = false;
    ScrollTextBox(textBox, TextBoxLineCount(textBox) - kVisibleLines);
}

void MainDialog::showEvent(QShowEvent* event)
{
    ResizableDialog::showEvent(event);
    if (scrollPending)
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
    RepaintControls();
}

void MainDialog::RepaintControls()
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{combinationsLabel, exitButton, copyButton, againButton,
                                         aboutButton, undoButton, redoButton, picture}) {
        if (control != nullptr)
            control->update();
    }
}

void MainDialog::OnAgain()
{
    ShowText(true);
}

void MainDialog::OnUndo()
{
    currentText = StepBack(engine);
    ShowText(false);
}

void MainDialog::OnRedo()
{
    currentText = StepForward(engine);
    ShowText(false);
}

void MainDialog::OnAbout()
{
    TheProductInfo().ShowAbout();
}

void MainDialog::OnPreferences()
{
    // The dialog reads its starting values from the settings file, not from here.
    OptionsDialog options(this);
    if (options.exec() != QDialog::Accepted)
        return;
    count = options.count;
    capitalise = options.capitalise;
    alwaysOnTop = options.alwaysOnTop;
    autoCopy = options.autoCopy;
    if (options.level != level) {
        level = options.level;
        RefreshStyle();
    }
    PlaceTopmost(alwaysOnTop != 0);
    if (options.toolTips != tooltips) {
        tooltips = options.toolTips;
        ActivateToolTips(tooltips != 0);
    }
    // A new count or capitalisation shows with the next batch; nothing is regenerated.
    options.Save();
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

void MainDialog::AddSystemMenuItems()
{
    // Window managers give a program no way into their window menu, so the About item lives
    // in a menu of its own on the window's background.
    const std::string text = LoadResourceString(IDS_ABOUTBOX);
    if (text.empty())
        return;
    systemMenu = new QMenu(this);
    systemMenu->setObjectName(QStringLiteral("systemMenu"));
    QAction* about = systemMenu->addAction(EngineTextToDisplay(text));
    about->setData(IDM_ABOUTBOX);
    connect(about, &QAction::triggered, this, [this] { OnSysCommand(IDM_ABOUTBOX); });
}

void MainDialog::OnSysCommand(int commandId)
{
    if ((commandId & ~0xF) == IDM_ABOUTBOX)
        OnAbout();
}

void MainDialog::contextMenuEvent(QContextMenuEvent* event)
{
    // The frame around the working area counts as background; every other control does not.
    QWidget* child = childAt(event->pos());
    if (systemMenu == nullptr || (child != nullptr && child != frame)) {
        event->ignore();
        return;
    }
    systemMenu->popup(event->globalPos());
}
