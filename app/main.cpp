#include "display/frmDisplay.h"
#include "translations/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QIcon>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

namespace {

const char* const kNoDisplayHelp =
    "game-of-quarn: no display to open the window on%s. Start it from a desktop session, or on a "
    "machine without one under a virtual X server: xvfb-run game-of-quarn\n";

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// The platform's messages while the application starts. They are held back: if Qt then gives up
// because no display could be reached, one clear line says so instead of a screenful; for any
// other fatal error they are printed with it.
QStringList heldBack;
QString displayUnreachable; // the platform's own word on it, once it has said so

void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        if (!displayUnreachable.isEmpty()) {
            std::fprintf(stderr, kNoDisplayHelp, qPrintable(" (" + displayUnreachable + ")"));
        } else {
            for (const QString& held : heldBack) {
                std::fprintf(stderr, "%s\n", qPrintable(held));
            }
            std::fprintf(stderr, "game-of-quarn: %s\n", qPrintable(text));
        }
        std::fflush(stderr);
        std::_Exit(1);
    }
    const QLatin1StringView category(context.category != nullptr ? context.category : "");
    if (category.startsWith(QLatin1StringView("qt.qpa"))) {
        if (text.contains(QLatin1StringView("connect to display")) ||
            text.contains(QLatin1StringView("wl_display"))) {
            displayUnreachable = text;
        }
        heldBack.append(text);
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

// What the command line asks for: a file to open, or, where it has been answered already
// (--help, --version or a mistake), the status to exit with.
struct Request
{
    QByteArray file; // as the system gives it: a name need not be valid UTF-8
    bool platformChosen = false;
    std::optional<int> exitStatus;
};

struct QtOption
{
    const char* name;
    const char* value; // nullptr for a switch
    const char* description;
};

// The options Qt takes for every widget program. The parser only lets them through, naming them
// under --help-all; QApplication reads them from the command line itself.
constexpr QtOption kQtOptions[] = {
    {"platform", "name",
     QT_TRANSLATE_NOOP("main", "The platform plugin: xcb, wayland, offscreen, ...")},
    {"platformpluginpath", "path",
     QT_TRANSLATE_NOOP("main", "Where to look for platform plugins.")},
    {"platformtheme", "name", QT_TRANSLATE_NOOP("main", "The platform theme.")},
    {"plugin", "plugin", QT_TRANSLATE_NOOP("main", "An input plugin to load.")},
    {"display", "display", QT_TRANSLATE_NOOP("main", "The X display to open the window on.")},
    {"geometry", "geometry", QT_TRANSLATE_NOOP("main", "Where to put the window, as WxH+X+Y.")},
    {"qwindowgeometry", "geometry",
     QT_TRANSLATE_NOOP("main", "Where to put the window, as WxH+X+Y.")},
    {"qwindowicon", "icon", QT_TRANSLATE_NOOP("main", "The window's icon.")},
    {"qwindowtitle", "title", QT_TRANSLATE_NOOP("main", "The window's title.")},
    {"reverse", nullptr, QT_TRANSLATE_NOOP("main", "Lays the widgets out right to left.")},
    {"session", "session", QT_TRANSLATE_NOOP("main", "The session to restore.")},
    {"style", "style", QT_TRANSLATE_NOOP("main", "The widget style: fusion, windows, ...")},
    {"stylesheet", "file", QT_TRANSLATE_NOOP("main", "A style sheet for the widgets.")},
    {"widgetcount", nullptr,
     QT_TRANSLATE_NOOP("main", "Reports at the end how many widgets were left.")},
};

void Describe(QCommandLineParser& parser, bool withQtOptions)
{
    // As Qt's own programs read them: "-platform" is one option, not the letters p, l, a, ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Runs the cellular automaton B3/S23 on a bounded 30 x 30 board."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("main", "A pattern to open, in RLE or plaintext."),
        QStringLiteral("[FILE]"));
    for (const QtOption& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name),
                                  QCoreApplication::translate("main", qt.description));
        if (qt.value != nullptr) {
            option.setValueName(QString::fromLatin1(qt.value));
        }
        if (!withQtOptions) {
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        }
        parser.addOption(option);
    }
}

// The name of the file as it stood on the command line, before decoding lost any bytes that are
// not UTF-8.
QByteArray RawArgument(int argc, char* argv[], const QString& decoded)
{
    for (int i = argc - 1; i > 0; --i) {
        if (QString::fromLocal8Bit(argv[i]) == decoded) {
            return argv[i];
        }
    }
    return QFile::encodeName(decoded);
}

// Before the application starts, so that --help and a mistaken option need no display.
Request ParseCommandLine(int argc, char* argv[])
{
    const QCoreApplication parsing(argc, argv);
    quarn::InstallTranslations();
    QCommandLineParser parser;
    Describe(parser, false);
    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (!parsed || parser.positionalArguments().size() > 1) {
        const QString error = parsed ? QCoreApplication::translate("main", "Give one file at most.")
                                     : parser.errorText();
        std::fprintf(stderr, "game-of-quarn: %s\n\n%s", qPrintable(error),
                     qPrintable(parser.helpText()));
        return {{}, false, 1};
    }
    if (parser.isSet(QStringLiteral("help-all"))) {
        QCommandLineParser everything;
        Describe(everything, true);
        std::fputs(qPrintable(everything.helpText()), stdout);
        return {{}, false, 0};
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return {{}, false, 0};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("game-of-quarn %s\n", QUARN_VERSION);
        return {{}, false, 0};
    }
    const QStringList files = parser.positionalArguments();
    return {files.isEmpty() ? QByteArray() : RawArgument(argc, argv, files.front()),
            parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display")),
            std::nullopt};
}

} // namespace

int main(int argc, char* argv[])
{
    const Request request = ParseCommandLine(argc, argv);
    if (request.exitStatus) {
        return *request.exitStatus;
    }
    if (!request.platformChosen && !IsSet("QT_QPA_PLATFORM") && !IsSet("DISPLAY") &&
        !IsSet("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, kNoDisplayHelp, "");
        return 1;
    }

    const QtMessageHandler previous = qInstallMessageHandler(StartupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString& held : std::as_const(heldBack)) {
        qWarning("%s", qPrintable(held));
    }
    quarn::InstallTranslations();
    QApplication::setApplicationName(QStringLiteral("Game of Quarn"));
    QApplication::setApplicationVersion(QStringLiteral(QUARN_VERSION));
    // Lets the desktop match the window to its launcher entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUARN_APP_ID));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/48.png"));
    icon.addFile(QStringLiteral(":/icons/128.png"));
    QApplication::setWindowIcon(icon);

    quarn::frmDisplay window;
    window.show();
    if (!request.file.isEmpty()) {
        // Once the window is up, as a pattern opened from it would be.
        QTimer::singleShot(0, &window,
                           [&window, file = request.file] { window.OpenPattern(file); });
    }
    return QApplication::exec();
}
