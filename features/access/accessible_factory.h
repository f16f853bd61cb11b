#pragma once

namespace quarn {

// Installs, once, what presents the program's own widgets to assistive technology: the widget
// that a BoardAccess serves is the board, and the label that an Announcer speaks through is the
// status bar. Each finds its source among the widget's own children.
void InstallAccessibleFactory();

} // namespace quarn
