#include "app/command_line.h"
#include "app/describe.h"
#include "app/export.h"
#include "display/frmDisplay.h"
#include "translations/translations.h"

#include <QApplication>
#include <QIcon>

#include <csignal>
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

// Before the application starts, so that --help, --describe, --moments and a mistaken option need
// no display: the status to exit with, where the command line has been answered already.
std::optional<int> Answered(int argc, char* argv[], quarn::Request& request)
{
    {
        const QCoreApplication answering(argc, argv);
        quarn::InstallTranslations();
        request = quarn::ParseCommandLine(argc, argv);
        if (!request.exitStatus && request.describe) {
            return quarn::PrintDescription(request.file);
        }
        if (!request.exitStatus && request.moments) {
            return quarn::PrintMoments(request.file);
        }
        if (request.exitStatus || request.exportTo.isEmpty()) {
            return request.exitStatus;
        }
        if (!request.graph && !request.graphOnly) {
            return quarn::ExportFile(request);
        }
    }
    // A graph's words are drawn in the desktop's fonts, which take a graphical application: one
    // with no screen, as no window opens.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication drawing(argc, argv);
    quarn::InstallTranslations();
    return quarn::ExportFile(request);
}

} // namespace

int main(int argc, char* argv[])
{
    // A pipe given up on by its reader is a failed write, said as such, not the end of the
    // program: an export or a save may be written into one.
    std::signal(SIGPIPE, SIG_IGN);
    quarn::Request request;
    if (const std::optional<int> status = Answered(argc, argv, request)) {
        return *status;
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
        window.OpenPattern(request.file);
    }
    return QApplication::exec();
}
