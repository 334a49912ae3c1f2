#pragma once

#include "settings/Favourite.h"
#include "settings/FavouritesFile.h"
#include "ui/ResizableDialog.h"

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QTreeView;

namespace razzlewick {

class ConfirmationTip;
class DrawnButton;
class FavouritesModel;

// File > Favourites...: every kept insult with its style and the day it was kept, newest
// first, to filter, copy and remove (with Undo while the window is open), and the way to the
// file's folder for editing it by hand. The file is read afresh after every change, so what
// another window or a script kept meanwhile shows too.
class FavouritesDialog final : public ResizableDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FavouritesDialog)

public:
    // `path`: the favourites file, FavouritesFile::DefaultPath() for the user's own.
    FavouritesDialog(std::string path, QWidget* parent);
    ~FavouritesDialog() override;

    // Reads the file again and lists what it holds.
    void Reload();

protected:
    void BeforeFirstShow() override;

private:
    // The selected favourites, top to bottom.
    std::vector<Favourite> Selected() const;
    void UpdateCommands();
    void ShowStatus();
    // Shows why a change was not made; false then.
    bool Changed(const FavouritesChange& change);

    void OnCopy();
    void OnRemove();
    void OnUndo();
    void OnOpenFolder();

    FavouritesFile file_;
    QString problem_;  // what the last read could not read, for the status line
    FavouritesModel* model_;
    QLineEdit* filter_;
    QTreeView* list_;
    QLabel* status_;
    DrawnButton* copyButton_;
    DrawnButton* removeButton_;
    DrawnButton* undoButton_;
    ConfirmationTip* confirmation_;
    std::vector<std::vector<Favourite>> removed_;  // each Remove's favourites, the latest last
};

}  // namespace razzlewick
