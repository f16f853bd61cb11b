#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace quarn {

// The lines of the objects on the board, a row each, for the window of objects to show.
class ObjectsModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The board's lines now. Rows whose line changed are told as changed, and rows come and go
    // at the end, so that a view keeps its place, its current row and its focus as the board
    // runs.
    void SetLines(const QStringList& lines);

private:
    QStringList lines_;
};

} // namespace quarn
