#pragma once

#include <QAbstractListModel>
#include <QString>

#include <vector>

namespace quarn {

// The moments of the way the board is on, a row each, for the Moments window to list: each
// moment's step and line, and whether the board has passed it. What a screen reader says of a
// row tells the passed from those ahead in words; on the screen the passed are set in italics
// and greyed, so that colour is not the only sign.
class MomentsModel : public QAbstractListModel
{
    Q_OBJECT

public:
    struct Row
    {
        int step = 0;
        QString line;
    };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The moments of a new way.
    void SetMoments(std::vector<Row> rows);
    // The step the board is at: the moments up to it are passed. The latest passed, or -1.
    int SetNow(int step);
    int StepAt(int row) const;

private:
    bool Passed(int row) const;

    std::vector<Row> rows_;
    int now_ = 0;
};

} // namespace quarn
