#pragma once

#include "data/InsultGenerator.h"
#include "ui/ResizableDialog.h"

#include <QIcon>
#include <QPixmap>

#include <array>
#include <cstdint>
#include <string>

class ArrowButton;
class CopyWhenActive;
class DrawnButton;
class QContextMenuEvent;
class QLabel;
class QMenu;
class QTabBar;
class QWidget;
class ToolTipControl;

// The program's only top-level window: the style tabs, the text box with the current
// batch, the history arrows and the commands. Owns the engine for the whole run.
class MainDialog final : public ResizableDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainDialog)

public:
    static constexpr int kStyleCount = 4;
    // Tab texts double as the style names looked up in the engine.
    static constexpr std::array<const char*, kStyleCount> kStyleNames = {"Arabian", "Shakespearean",
                                                                         "Modern", "Mediterranean"};
    static constexpr const char* kDisabledLabel = "Option disabled";
    static constexpr const char* kDisabledMessage =
        "This option is disabled until you raise the offensiveness level (use the \"Options\" "
        "menu)";

    explicit MainDialog(QWidget* parent = nullptr);
    ~MainDialog() override;

    InsultGenerator& Engine() { return engine; }
    // What the text box shows and Copy puts on the clipboard (Windows-1252).
    const std::string& CurrentText() const { return currentText; }

    // Shows the selected tab's style: its current history entry, or a first batch.
    void RefreshStyle();
    // Shows the current text (after generating a new batch when asked).
    void ShowText(bool generate);
    // Hides Again and the arrows, or shows Again and the arrows the history allows.
    void ShowControls(bool show);
    void CopyToClipboard();
    // Keeps the window above all others or not, without moving or resizing it.
    void PlaceTopmost(bool onTop);
    void ActivateToolTips(bool active);
    // A command of the window menu; the system keeps the low four bits for itself.
    void OnSysCommand(int commandId);

    // The values read from the settings file at construction.
    int16_t count = 1;
    int32_t capitalise = 1;  // only 1 means on
    int32_t alwaysOnTop = 0;
    int32_t level = 0;
    int32_t tooltips = 1;
    int32_t autoCopy = 0;

protected:
    void OnInitDialog() override;
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
    int SelectedTab() const;
    void AddSystemMenuItems();

    void OnAgain();
    void OnUndo();
    void OnRedo();
    // Commands that lead out of the main window.
    void OnAbout();
    void OnPreferences();
    void OnMailUs();
    void OnVisitWebSite();
    void OnReadDocumentation();

    // Controls, owned by the dialog through Qt parenting.
    DrawnButton* exitButton = nullptr;
    DrawnButton* copyButton = nullptr;
    DrawnButton* againButton = nullptr;
    DrawnButton* aboutButton = nullptr;
    ArrowButton* undoButton = nullptr;
    ArrowButton* redoButton = nullptr;
    QWidget* textBox = nullptr;
    QLabel* combinationsLabel = nullptr;
    QLabel* picture = nullptr;
    QTabBar* styleTabs = nullptr;
    ToolTipControl* toolTipControl = nullptr;
    CopyWhenActive* autoCopier = nullptr;  // AutoCopy, held back until the window has focus
    QWidget* frame = nullptr;
    QMenu* systemMenu = nullptr;  // none when the About item's string is empty

    std::string currentText;
    bool scrollPending = false;  // a text arrived before the text box had its width
    QIcon icon;
    std::array<QPixmap, kStyleCount> stylePictures;
    InsultGenerator engine;
};
