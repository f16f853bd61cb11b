#include "features/moments/moments_model.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

#include <algorithm>
#include <utility>

namespace quarn {

int MomentsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant MomentsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    const bool passed = Passed(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return row.line;
    case Qt::AccessibleTextRole:
        return passed ? tr("Passed. %1").arg(row.line) : tr("Ahead. %1").arg(row.line);
    case Qt::FontRole: {
        QFont font = QApplication::font();
        font.setItalic(passed);
        return font;
    }
    case Qt::ForegroundRole:
        return passed ? QApplication::palette().color(QPalette::PlaceholderText) : QVariant();
    default:
        return {};
    }
}

void MomentsModel::SetMoments(std::vector<Row> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int MomentsModel::SetNow(int step)
{
    const int was = now_;
    now_ = step;
    int latest = -1;
    for (int row = 0; row < rowCount(); ++row) {
        const int at = rows_[static_cast<std::size_t>(row)].step;
        if ((at <= was) != (at <= step)) {
            emit dataChanged(index(row), index(row));
        }
        if (at <= step) {
            latest = row;
        }
    }
    return latest;
}

int MomentsModel::StepAt(int row) const
{
    return row >= 0 && row < rowCount() ? rows_[static_cast<std::size_t>(row)].step : -1;
}

bool MomentsModel::Passed(int row) const
{
    return rows_[static_cast<std::size_t>(row)].step <= now_;
}

} // namespace quarn
