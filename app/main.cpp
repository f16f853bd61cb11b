#include "frmDisplay.h"

#include <QApplication>
#include <QCommandLineParser>
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
    QString file;
    std::optional<int> exitStatus;
};

// Before the application starts, so that --help and a mistaken option need no display.
Request ParseCommandLine(int argc, char* argv[])
{
    const QCoreApplication parsing(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Runs the cellular automaton B3/S23 on a bounded 30 x 30 board."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A pattern to open, in RLE or plaintext."),
                                 QStringLiteral("[FILE]"));
    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (!parsed || parser.positionalArguments().size() > 1) {
        const QString error =
            parsed ? QStringLiteral("Give one file at most.") : parser.errorText();
        std::fprintf(stderr, "game-of-quarn: %s\n\n%s", qPrintable(error),
                     qPrintable(parser.helpText()));
        return {{}, 1};
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return {{}, 0};
    }
    if (parser.isSet(version)) {
        std::printf("game-of-quarn %s\n", QUARN_VERSION);
        return {{}, 0};
    }
    return {parser.positionalArguments().value(0), std::nullopt};
}

} // namespace

int main(int argc, char* argv[])
{
    const Request request = ParseCommandLine(argc, argv);
    if (request.exitStatus) {
        return *request.exitStatus;
    }
    if (!IsSet("QT_QPA_PLATFORM") && !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, kNoDisplayHelp, "");
        return 1;
    }

    const QtMessageHandler previous = qInstallMessageHandler(StartupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString& held : std::as_const(heldBack)) {
        qWarning("%s", qPrintable(held));
    }
    QApplication::setApplicationName(QStringLiteral("Game of Quarn"));
    QApplication::setApplicationVersion(QStringLiteral(QUARN_VERSION));
    // Lets the desktop match the window to its launcher entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUARN_APP_ID));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/48.png"));
    icon.addFile(QStringLiteral(":/icons/128.png"));
    QApplication::setWindowIcon(icon);

    frmDisplay window;
    window.show();
    if (!request.file.isEmpty()) {
        // Once the window is up, as a pattern opened from it would be.
        QTimer::singleShot(0, &window,
                           [&window, file = request.file] { window.OpenPattern(file); });
    }
    return QApplication::exec();
}
