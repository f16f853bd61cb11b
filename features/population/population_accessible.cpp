#include "features/population/population_accessible.h"

#include "features/population/population_graph.h"

namespace quarn {

PopulationAccessible::PopulationAccessible(PopulationGraph* graph)
    : QAccessibleWidget(graph, QAccessible::Chart)
{}

QString PopulationAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return tr("Live cells at each step");
    case QAccessible::Description:
        return Graph().Summary();
    case QAccessible::Value:
        return Graph().Marked() >= 0 ? Graph().PointWords(Graph().Marked()) : QString();
    default:
        return QAccessibleWidget::text(t);
    }
}

void PopulationAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& /*className*/, QObject* object) {
            auto* graph = qobject_cast<PopulationGraph*>(object);
            return graph != nullptr
                       ? static_cast<QAccessibleInterface*>(new PopulationAccessible(graph))
                       : nullptr;
        });
        return true;
    }();
    static_cast<void>(installed);
}

const PopulationGraph& PopulationAccessible::Graph() const
{
    return *static_cast<const PopulationGraph*>(widget());
}

} // namespace quarn
