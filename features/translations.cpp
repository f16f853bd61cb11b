#include "features/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

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

// The places are filled in one pass, so that a filler holding "%2" stays as it is.
QString Translated(const quarn::Message& message)
{
    const QString text = QCoreApplication::translate("Pattern", message.text.c_str());
    QString result;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const qsizetype place = at + 1 < text.size() && text[at] == QLatin1Char('%')
                                    ? text[at + 1].digitValue() - 1
                                    : -1;
        if (place >= 0 && static_cast<std::size_t>(place) < message.fillers.size()) {
            result += Translated(message.fillers[static_cast<std::size_t>(place)]);
            ++at;
        } else {
            result += text[at];
        }
    }
    return result;
}
