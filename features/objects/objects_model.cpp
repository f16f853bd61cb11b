#include "features/objects/objects_model.h"

#include <algorithm>

namespace quarn {

int ObjectsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant ObjectsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= lines_.size() || role != Qt::DisplayRole) {
        return {};
    }
    return lines_.at(index.row());
}

void ObjectsModel::SetLines(const QStringList& lines)
{
    const auto had = static_cast<int>(lines_.size());
    const auto has = static_cast<int>(lines.size());
    if (has < had) {
        beginRemoveRows({}, has, had - 1);
        lines_.resize(has);
        endRemoveRows();
    }
    for (int row = 0; row < std::min(had, has); ++row) {
        if (lines_.at(row) != lines.at(row)) {
            lines_[row] = lines.at(row);
            emit dataChanged(index(row), index(row), {Qt::DisplayRole});
        }
    }
    if (has > had) {
        beginInsertRows({}, had, has - 1);
        lines_.append(lines.mid(had));
        endInsertRows();
    }
}

} // namespace quarn
