#pragma once

#include "census/field.h"
#include "pattern/message.h"

#include <QAbstractListModel>

#include <vector>

namespace quarn {

// The objects on the board, a row each, for the window of objects to show: each object's line
// and its cells as the census found them when the list was made, so that a row chosen is the
// object it shows, however far the board has run since.
class ObjectsModel : public QAbstractListModel
{
    Q_OBJECT

public:
    struct Object
    {
        Message line;
        Field cells;
    };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    // The line in the person's language.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The board's objects now. Rows whose object changed are told as changed, and rows come and
    // go at the end, so that a view keeps its place, its current row and its focus as the board
    // runs.
    void SetObjects(std::vector<Object> objects);
    // The row's object's cells; none outside the rows.
    Field CellsAt(int row) const;

private:
    std::vector<Object> objects_;
};

} // namespace quarn
