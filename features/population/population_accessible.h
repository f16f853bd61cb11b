#pragma once

#include <QAccessibleWidget>
#include <QCoreApplication>

namespace quarn {

class PopulationGraph;

// Presents the graph to assistive technology as the chart it is, named for what it shows, with
// its summary as its description, which a screen reader says as the graph takes the focus; and
// the point the marker is on as its value.
class PopulationAccessible : public QAccessibleWidget
{
    Q_DECLARE_TR_FUNCTIONS(PopulationAccessible)

public:
    explicit PopulationAccessible(PopulationGraph* graph);

    QString text(QAccessible::Text t) const override;

    // Installs, once, what makes a graph's accessible one of these.
    static void Install();

private:
    const PopulationGraph& Graph() const;
};

} // namespace quarn
