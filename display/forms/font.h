#pragma once

#include <QFont>

namespace forms {

// The classic dialog face at the given size. Where it is not installed a metric-compatible
// sans-serif (Liberation Sans, then any sans-serif) stands in.
QFont DialogFont(double points);

} // namespace forms
