#pragma once

#include <QAccessibleInterface>

namespace quarn {

// A part that assistive technology sees inside a widget, with no object of its own and nothing
// inside it: a cell of the board, the status bar's notification.
class LeafAccessible : public QAccessibleInterface
{
public:
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
};

} // namespace quarn
