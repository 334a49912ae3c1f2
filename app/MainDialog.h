#pragma once

#include "cli/StyleTabs.h"
#include "data/InsultGenerator.h"
#include "settings/UserOptions.h"
#include "ui/ResizableDialog.h"

#include <QIcon>

#include <array>
#include <cstddef>
#include <string>
#include <vector>

class QContextMenuEvent;
class QPoint;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTabBar;

namespace razzlewick {

class ArrowButton;
class CompactTabStyle;
class ConfirmationTip;
class CopyWhenActive;
class DrawnButton;
class TemplatePicture;
class ToolTipControl;

// The program's only top-level window: the style tabs, the text box with the current
// batch, the history arrows and the commands. Owns the engine for the whole run.
class MainDialog final : public ResizableDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainDialog)

public:
    static constexpr int kStyleCount = StyleTabs::kCount;
    // Tab texts double as the style names looked up in the engine.
    static constexpr std::array<const char*, kStyleCount> kStyleNames = StyleTabs::kNames;
    static constexpr const char* kDisabledLabel = "Option disabled";
    static constexpr const char* kDisabledMessage =
        "This option is disabled until you raise the offensiveness level (use the \"Options\" "
        "menu)";
    // The most tabs the window shows, the four included: a tab strip lays out all its tabs
    // again for every tab added, so tens of thousands of styles would keep the window from
    // appearing for minutes. Styles past these have no tab.
    static constexpr std::size_t kMostTabs = 500;
    // Up to this many tabs show whole without scrolling: the window grows wider for them
    // while the screen has room. A strip of more scrolls.
    static constexpr int kTabsShownWhole = 8;

    explicit MainDialog(QWidget* parent = nullptr);
    ~MainDialog() override;

    InsultGenerator& Engine() { return engine_; }
    // The current text: what the text box shows and Copy puts on the clipboard
    // (Windows-1252).
    const std::string& Text() const { return currentText_; }
    // The preferences in force: read from the settings file at construction, replaced by
    // the options dialog's when the user confirms it.
    const UserOptions& Options() const { return options_; }
    // Why the settings file could not be read, for the user to see; empty when it could
    // (or when there is none yet).
    const QString& SettingsProblem() const { return settingsProblem_; }

    // Shows the selected tab's style: its current history entry, or a first batch.
    void RefreshStyle();
    // Reads the data files again: tabs come and go with their styles, a style still there
    // keeps its history, and the tab shown stays if its style does (else the first shows).
    void ReloadDataFiles();
    // The style key of each tab, in tab order (Windows-1252).
    const std::vector<std::string>& TabKeys() const { return tabKeys_; }
    // Shows the current text (after generating a new batch when asked).
    void ShowText(bool generate);
    // Hides Again and the arrows, or shows Again and the arrows the history allows.
    void ShowControls(bool show);
    void CopyToClipboard();
    // Keeps the window above all others or not, without moving or resizing it.
    void PlaceTopmost(bool onTop);
    void ActivateToolTips(bool active);

protected:
    void BeforeFirstShow() override;
    // Every way of closing (Exit, File > Exit, Escape, the close box) comes here.
    void reject() override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // A right click on the background opens the window menu addition.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void LoadSettings();
    void ConnectCommands();
    void RepaintControls();
    // Scrolls a long batch so that its end shows, or once the window is shown.
    void ScrollToEnd();
    void AddWindowMenu();
    void KeepTextBoxOnThePage();
    // Makes a tab for every style, in tab order, and selects the one at `selected`.
    void FillTabs(std::size_t selected);
    // Narrows the tabs to their labels and, where that is not enough, widens the window.
    void FitTabsToWindow();
    // The picture of the tab at `position`: its own, the author's or the neutral one.
    void ShowStylePicture(std::size_t position);

    void OnAgain();
    void OnUndo();
    void OnRedo();
    // Commands that lead out of the main window.
    void OnAbout();
    void OnPreferences();
    void OnMailUs();
    void OnVisitWebSite();
    void OnReadDocumentation();
    void OnDataFiles();
    // Keeps the insult at the text box's cursor (or those selected) among the favourites.
    void OnKeep();
    void OnFavourites();
    // The text box's own menu, with Keep this insult added.
    void ShowTextBoxMenu(const QPoint& position);

    // Controls, owned by the dialog through Qt parenting.
    DrawnButton* exitButton_;
    DrawnButton* copyButton_;
    DrawnButton* againButton_;
    DrawnButton* aboutButton_;
    ArrowButton* undoButton_;
    ArrowButton* redoButton_;
    QPlainTextEdit* textBox_;
    QLabel* combinationsLabel_;
    TemplatePicture* picture_;
    QTabBar* styleTabs_;
    CompactTabStyle* tabStyle_ = nullptr;  // owned by styleTabs_
    QGroupBox* frame_;
    ToolTipControl* toolTipControl_;
    CopyWhenActive* autoCopier_;     // AutoCopy, held back until the window has focus
    ConfirmationTip* confirmation_;  // "Copied" by the Copy button, "Kept" by the text box
    // The About item that window managers give no room in their window menu.
    QMenu* windowMenu_ = nullptr;

    UserOptions options_;
    int32_t savedTab_ = 0;  // the tab position the settings file holds
    QString settingsProblem_;
    std::vector<std::string> tabKeys_;
    std::string currentText_;
    bool scrollPending_ = false;  // a text arrived before the text box had its width
    QIcon icon_;
    InsultGenerator engine_;
};

}  // namespace razzlewick
