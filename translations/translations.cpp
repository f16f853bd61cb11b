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

// The English forms of the counted phrases, beneath whatever language is installed later: with
// no translation at all, "%n gliders" is still "a glider" for one.
void InstallEnglishPlurals()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(QStringLiteral("englishPlurals"));
    if (translator->load(QStringLiteral(":/i18n/game-of-quarn_en"))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallEnglishPlurals)

void InstallTranslations(const QLocale& locale)
{
    // Qt's own, so that its dialogs speak the same language.
    Install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Install(locale, QStringLiteral("game-of-quarn"), QStringLiteral(":/i18n"));
}

QString Translated(const Message& message, const char* context)
{
    return QString::fromStdString(message.Said([context](const Message& part) {
        const int count = part.count == Message::kUncounted ? -1 : static_cast<int>(part.count);
        return QCoreApplication::translate(context, part.text.c_str(), nullptr, count)
            .toStdString();
    }));
}

} // namespace quarn
