#pragma once

#include "settings/Favourite.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace razzlewick {

// The favourites as the Favourites window lists them: date, style and insult, newest first,
// narrowed to those whose style or text holds the filter (without regard to case).
class FavouritesModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FavouritesModel)

public:
    enum Column { DateColumn, StyleColumn, InsultColumn, ColumnCount };

    explicit FavouritesModel(QObject* parent);
    ~FavouritesModel() override;

    // `favourites` in the order to show them.
    void SetFavourites(std::vector<Favourite> favourites);
    void SetFilter(const QString& filter);

    // The favourite a row shows.
    const Favourite& At(int row) const;
    // How many favourites there are, the filter aside.
    std::size_t Total() const { return rows_.size(); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row final {
        Favourite favourite;
        QString style;  // for display, made once
        QString text;
    };

    void ApplyFilter();

    std::vector<Row> rows_;
    std::vector<int> shown_;  // indices into rows_ that pass the filter
    QString filter_;
};

}  // namespace razzlewick
