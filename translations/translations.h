#pragma once

#include "pattern/message.h"

#include <QLocale>
#include <QString>

namespace quarn {

// The program in the person's language: its own translations and Qt's, for the locale, installed
// in the running application. English, the language the program is written in, needs none.
void InstallTranslations(const QLocale& locale = QLocale());

// A message of the libraries without Qt, in the language installed: its templates are the
// translations' under the context.
QString Translated(const Message& message, const char* context);

} // namespace quarn
