#include "features/objects/objects_model.h"

#include "features/objects/board_objects.h"

#include <algorithm>
#include <iterator>

namespace quarn {

int ObjectsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(objects_.size());
}

QVariant ObjectsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole) {
        return {};
    }
    return BoardObjects::Words(objects_[static_cast<std::size_t>(index.row())].line);
}

void ObjectsModel::SetObjects(std::vector<Object> objects)
{
    const auto had = static_cast<int>(objects_.size());
    const auto has = static_cast<int>(objects.size());
    if (has < had) {
        beginRemoveRows({}, has, had - 1);
        objects_.resize(objects.size());
        endRemoveRows();
    }
    for (int row = 0; row < std::min(had, has); ++row) {
        Object& now = objects[static_cast<std::size_t>(row)];
        Object& shown = objects_[static_cast<std::size_t>(row)];
        const bool lineChanged = now.line.English() != shown.line.English();
        shown = std::move(now);
        if (lineChanged) {
            emit dataChanged(index(row), index(row), {Qt::DisplayRole});
        }
    }
    if (has > had) {
        beginInsertRows({}, had, has - 1);
        std::move(objects.begin() + had, objects.end(), std::back_inserter(objects_));
        endInsertRows();
    }
}

Field ObjectsModel::CellsAt(int row) const
{
    return row >= 0 && row < rowCount() ? objects_[static_cast<std::size_t>(row)].cells : Field{};
}

} // namespace quarn
