#include "features/access/accessible_factory.h"

#include "features/access/announcer.h"
#include "features/access/board_access.h"
#include "features/access/board_accessible.h"
#include "features/access/status_accessible.h"

#include <QAccessible>
#include <QLabel>

namespace quarn {

namespace {

QAccessibleInterface* Present(const QString& /*className*/, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (auto* access = widget->findChild<BoardAccess*>(QString(), Qt::FindDirectChildrenOnly)) {
        return new BoardAccessible(widget, *access);
    }
    if (qobject_cast<QLabel*>(widget) != nullptr) {
        if (auto* announcer =
                widget->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly)) {
            return new StatusAccessible(widget, *announcer);
        }
    }
    return nullptr;
}

} // namespace

void InstallAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(&Present);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace quarn
