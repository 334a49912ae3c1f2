#include "app/FavouritesDialog.h"

#include "app/FavouritesModel.h"
#include "app/OpenFolder.h"
#include "clipboard/SetClipboardText.h"
#include "platform/qt/MessageBox.h"
#include "resources/templates/ResourceIds.h"
#include "ui/ConfirmationTip.h"
#include "ui/DisplayText.h"
#include "ui/DrawnButton.h"
#include "ui/Pictures.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

#include <algorithm>
#include <utility>

namespace razzlewick {

namespace {

// A shortcut that works while the list has the focus, beside the button that does the same.
void AddListShortcut(QTreeView* list, const QKeySequence& keys, QAbstractButton* button)
{
    auto* action = new QAction(list);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(action, &QAction::triggered, button, [button] {
        if (button->isEnabled())
            button->click();
    });
    list->addAction(action);
}

}  // namespace

FavouritesDialog::FavouritesDialog(std::string path, QWidget* parent)
    : ResizableDialog(IDD_FAVOURITES, parent),
      file_(std::move(path)),
      model_(new FavouritesModel(this)),
      filter_(RequireControl<QLineEdit>(IDC_FAVOURITES_FILTER)),
      list_(RequireControl<QTreeView>(IDC_FAVOURITES_LIST)),
      status_(RequireControl<QLabel>(IDC_FAVOURITES_STATUS)),
      copyButton_(RequireControl<DrawnButton>(IDC_COPY_FAVOURITES)),
      removeButton_(RequireControl<DrawnButton>(IDC_REMOVE_FAVOURITES)),
      undoButton_(RequireControl<DrawnButton>(IDC_UNDO_REMOVE)),
      confirmation_(new ConfirmationTip(this))
{
    list_->setModel(model_);
    RequireControl<QLabel>(IDC_FAVOURITES_FILTER_LABEL)->setBuddy(filter_);
    filter_->setClearButtonEnabled(true);
    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        model_->SetFilter(text);
        ShowStatus();
        UpdateCommands();
    });
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FavouritesDialog::UpdateCommands);
    connect(copyButton_, &QAbstractButton::clicked, this, &FavouritesDialog::OnCopy);
    connect(removeButton_, &QAbstractButton::clicked, this, &FavouritesDialog::OnRemove);
    connect(undoButton_, &QAbstractButton::clicked, this, &FavouritesDialog::OnUndo);
    connect(RequireControl<DrawnButton>(IDC_OPEN_FAVOURITES_FOLDER), &QAbstractButton::clicked,
            this, &FavouritesDialog::OnOpenFolder);
    connect(RequireControl<DrawnButton>(IDCANCEL), &QAbstractButton::clicked, this,
            &QDialog::reject);
    AddListShortcut(list_, QKeySequence::Copy, copyButton_);
    AddListShortcut(list_, QKeySequence::Delete, removeButton_);
    AddListShortcut(list_, QKeySequence::Undo, undoButton_);
    Reload();
}

FavouritesDialog::~FavouritesDialog() = default;

void FavouritesDialog::BeforeFirstShow()
{
    ResizableDialog::BeforeFirstShow();
    for (int id : {IDC_COPY_FAVOURITES, IDC_REMOVE_FAVOURITES, IDC_UNDO_REMOVE,
                   IDC_OPEN_FAVOURITES_FOLDER, IDCANCEL})
        RequireControl<DrawnButton>(id)->SetOutline(OutlineKind::Capsule);
    setWindowIcon(ProgramIcon());
    filter_->setAccessibleName(QStringLiteral("Filter favourites"));
    status_->setWordWrap(false);
    list_->setAccessibleName(QStringLiteral("Favourites"));
    // Measured from the widest date and the four styles' names, not from every row: a
    // hundred thousand rows would take long to measure.
    QHeaderView* header = list_->header();
    const QFontMetrics metrics = list_->fontMetrics();
    const int padding = metrics.horizontalAdvance(QStringLiteral("MM"));
    header->resizeSection(FavouritesModel::DateColumn,
                          metrics.horizontalAdvance(QStringLiteral("0000-00-00")) + padding);
    header->resizeSection(FavouritesModel::StyleColumn,
                          metrics.horizontalAdvance(QStringLiteral("Mediterranean")) + padding);
    header->setStretchLastSection(true);
    AddAnchor(IDC_FAVOURITES_LIST, StretchWidth | StretchHeight);
    AddAnchor(IDC_FAVOURITES_STATUS, StretchWidth | MoveDown);
    for (int id :
         {IDC_COPY_FAVOURITES, IDC_REMOVE_FAVOURITES, IDC_UNDO_REMOVE, IDC_OPEN_FAVOURITES_FOLDER})
        AddAnchor(id, MoveDown);
    AddAnchor(IDCANCEL, MoveRight | MoveDown);
    list_->setFocus();
}

void FavouritesDialog::Reload()
{
    FavouritesContents contents = file_.Read();
    problem_ = QString::fromStdString(contents.problem);
    model_->SetFavourites(NewestFirst(std::move(contents.favourites)));
    if (model_->rowCount() > 0)
        list_->setCurrentIndex(model_->index(0, 0));
    ShowStatus();
    UpdateCommands();
}

void FavouritesDialog::ShowStatus()
{
    const QString path = FileSystemTextToDisplay(file_.Path());
    QString text;
    if (!problem_.isEmpty()) {
        text = problem_;
    } else if (model_->Total() == 0) {
        text = QStringLiteral(
            "No favourites yet: keep an insult with File > Keep this insult "
            "(Ctrl+K) in the main window.");
    } else if (static_cast<std::size_t>(model_->rowCount()) == model_->Total()) {
        text = model_->rowCount() == 1
                   ? QStringLiteral("1 favourite in %1").arg(path)
                   : QStringLiteral("%1 favourites in %2").arg(model_->rowCount()).arg(path);
    } else {
        text = QStringLiteral("%1 of %2 favourites in %3")
                   .arg(model_->rowCount())
                   .arg(model_->Total())
                   .arg(path);
    }
    // One line under the list: the file by its name there, by its whole path in the tooltip.
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    status_->setText(QString(text).replace(path, name));
    status_->setToolTip(text);
}

void FavouritesDialog::UpdateCommands()
{
    const bool selected = list_->selectionModel()->hasSelection();
    copyButton_->setEnabled(selected);
    removeButton_->setEnabled(selected);
    undoButton_->setEnabled(!removed_.empty());
}

std::vector<Favourite> FavouritesDialog::Selected() const
{
    QModelIndexList rows = list_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<Favourite> favourites;
    for (const QModelIndex& row : rows)
        favourites.push_back(model_->At(row.row()));
    return favourites;
}

bool FavouritesDialog::Changed(const FavouritesChange& change)
{
    if (change.Succeeded())
        return true;
    platform::ShowMessageBox(
        this, QStringLiteral("Nothing was changed: %1.").arg(FileSystemTextToDisplay(change.error)),
        platform::MessageIcon::Exclamation);
    return false;
}

void FavouritesDialog::OnCopy()
{
    std::string text;
    for (const Favourite& favourite : Selected())
        text += (text.empty() ? "" : "\r\n") + favourite.text;
    if (SetClipboardText(text))
        confirmation_->Show(*copyButton_, QStringLiteral("Copied"));
}

void FavouritesDialog::OnRemove()
{
    std::vector<Favourite> selected = Selected();
    std::vector<std::string> texts;
    for (const Favourite& favourite : selected)
        texts.push_back(favourite.text);
    const int firstRow = list_->currentIndex().isValid() ? list_->currentIndex().row() : 0;
    if (!Changed(file_.Remove(texts)))
        return;
    // Undo puts them back as they were kept: the file's order is the order of keeping.
    std::reverse(selected.begin(), selected.end());
    removed_.push_back(std::move(selected));
    Reload();
    if (model_->rowCount() > 0)
        list_->setCurrentIndex(model_->index(std::min(firstRow, model_->rowCount() - 1), 0));
    confirmation_->Show(*undoButton_, QStringLiteral("Removed"));
}

void FavouritesDialog::OnUndo()
{
    if (removed_.empty() || !Changed(file_.Add(removed_.back())))
        return;
    removed_.pop_back();
    Reload();
    confirmation_->Show(*undoButton_, QStringLiteral("Restored"));
}

void FavouritesDialog::OnOpenFolder()
{
    const std::string& path = file_.Path();
    const std::string folder = path.substr(0, path.rfind('/') + 1);
    if (folder.empty()) {
        platform::ShowMessageBox(this,
                                 QStringLiteral("No home folder is known, so there is no folder "
                                                "for the favourites."),
                                 platform::MessageIcon::Exclamation);
        return;
    }
    MakeAndOpenFolder(this, folder);
}

}  // namespace razzlewick
