#include "translations/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quarn {

namespace {

void Install(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace

void InstallTranslations(const QLocale& locale)
{
    // Qt's own, so that its dialogs speak the same language.
    Install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Install(locale, QStringLiteral("game-of-quarn"), QStringLiteral(":/i18n"));
}

QString Translated(const Message& message, const char* context)
{
    return QString::fromStdString(message.Said([context](const std::string& english) {
        return QCoreApplication::translate(context, english.c_str()).toStdString();
    }));
}

} // namespace quarn
