#include "features/files/examples.h"

#include "pattern/pattern_error.h"
#include "pattern/pattern_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <map>

namespace quarn {

namespace {

// Where the build puts the examples among its resources (see this folder's CMakeLists.txt).
const char* const kBuiltIn = ":/patterns";

// The examples' names, for the translations: each language says the descriptive ones in its own
// words, and keeps or turns the field's proper names as its census names do.
[[maybe_unused]] const char* const kNames[] = {
    QT_TRANSLATE_NOOP("Examples", "Acorn"),
    QT_TRANSLATE_NOOP("Examples", "Blinker, toad and beacon"),
    QT_TRANSLATE_NOOP("Examples", "Diehard"),
    QT_TRANSLATE_NOOP("Examples", "Figure eight"),
    QT_TRANSLATE_NOOP("Examples", "Glider collision"),
    QT_TRANSLATE_NOOP("Examples", "Glider"),
    QT_TRANSLATE_NOOP("Examples", "Hourglass"),
    QT_TRANSLATE_NOOP("Examples", "Lightweight ship"),
    QT_TRANSLATE_NOOP("Examples", "Pentadecathlon"),
    QT_TRANSLATE_NOOP("Examples", "Pulsar"),
    QT_TRANSLATE_NOOP("Examples", "R-pentomino"),
    QT_TRANSLATE_NOOP("Examples", "Still lifes"),
};

// The name the example at the path gives itself, or else its file's.
QString NameOf(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray text = file.readAll();
        try {
            const std::string name =
                ReadPattern(
                    std::string_view(text.constData(), static_cast<std::size_t>(text.size())))
                    .name;
            if (!name.empty()) {
                return QString::fromStdString(name);
            }
        } catch (const PatternError&) {
            // Named by its file, then; opening it says what is wrong.
        }
    }
    return QFileInfo(path).completeBaseName();
}

// Every example, by name.
const std::map<QString, QString>& ByName()
{
    static const std::map<QString, QString> byName = [] {
        std::map<QString, QString> found;
        const QDir folder(QString::fromLatin1(kBuiltIn));
        for (const QString& entry : folder.entryList(QDir::Files)) {
            const QString path = folder.filePath(entry);
            found.emplace(NameOf(path), path);
        }
        return found;
    }();
    return byName;
}

} // namespace

QStringList Examples::Names()
{
    QStringList names;
    for (const auto& entry : ByName()) {
        names << entry.first;
    }
    return names;
}

QString Examples::Title(const QString& name)
{
    return QCoreApplication::translate("Examples", name.toUtf8().constData());
}

Examples::Opened Examples::Open(const QString& name)
{
    QFile file(PathOf(name));
    Opened opened{QFileInfo(file.fileName()).fileName(), {}, {}};
    if (file.open(QIODevice::ReadOnly)) {
        opened.text = file.readAll();
    } else {
        opened.error = file.errorString();
    }
    return opened;
}

QString Examples::InstalledFolder()
{
    // Beside the program as installed, under any prefix; else wherever the system keeps data.
    const QString beside =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/game-of-quarn/patterns");
    if (QFileInfo(beside).isDir()) {
        return QFileInfo(beside).canonicalFilePath();
    }
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("game-of-quarn/patterns"),
                                  QStandardPaths::LocateDirectory);
}

QString Examples::PathOf(const QString& name)
{
    const auto found = ByName().find(name);
    return found != ByName().end() ? found->second : QString();
}

} // namespace quarn
