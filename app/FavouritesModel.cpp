#include "app/FavouritesModel.h"

#include "ui/DisplayText.h"

#include <utility>

namespace razzlewick {

FavouritesModel::FavouritesModel(QObject* parent) : QAbstractTableModel(parent) {}

FavouritesModel::~FavouritesModel() = default;

void FavouritesModel::SetFavourites(std::vector<Favourite> favourites)
{
    beginResetModel();
    rows_.clear();
    rows_.reserve(favourites.size());
    for (Favourite& favourite : favourites) {
        QString style = EngineTextToDisplay(favourite.style);
        QString text = EngineTextToDisplay(favourite.text);
        rows_.push_back({std::move(favourite), std::move(style), std::move(text)});
    }
    ApplyFilter();
    endResetModel();
}

void FavouritesModel::SetFilter(const QString& filter)
{
    beginResetModel();
    filter_ = filter.trimmed();
    ApplyFilter();
    endResetModel();
}

void FavouritesModel::ApplyFilter()
{
    shown_.clear();
    shown_.reserve(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Row& row = rows_[i];
        if (filter_.isEmpty() || row.text.contains(filter_, Qt::CaseInsensitive) ||
            row.style.contains(filter_, Qt::CaseInsensitive))
            shown_.push_back(static_cast<int>(i));
    }
}

const Favourite& FavouritesModel::At(int row) const
{
    return rows_[static_cast<std::size_t>(shown_.at(static_cast<std::size_t>(row)))].favourite;
}

int FavouritesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int FavouritesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FavouritesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() ||
        (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const Row& row = rows_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(index.row())])];
    switch (index.column()) {
        case DateColumn:
            return QString::fromStdString(row.favourite.date);
        case StyleColumn:
            return row.style;
        case InsultColumn:
            return row.text;
        default:
            return {};
    }
}

QVariant FavouritesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
        case DateColumn:
            return QStringLiteral("Kept");
        case StyleColumn:
            return QStringLiteral("Style");
        case InsultColumn:
            return QStringLiteral("Insult");
        default:
            return {};
    }
}

}  // namespace razzlewick
