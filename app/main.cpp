#include "frmDisplay.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char* const kNoDisplayHelp =
    "game-of-quarn: no display to open the window on. Start it from a desktop session, or on a "
    "machine without one under a virtual X server: xvfb-run game-of-quarn\n";

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Qt gives up on a platform it cannot reach with a fatal error and a core dump. While the
// application starts, that is turned into one clear line and exit status 1; the platform's own
// warnings about the same failure are held back so that the line stands alone.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplayHelp, stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    const std::string category = context.category != nullptr ? context.category : "";
    if (category.rfind("qt.qpa", 0) == 0) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

int main(int argc, char* argv[])
{
    if (!IsSet("QT_QPA_PLATFORM") && !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY")) {
        std::fputs(kNoDisplayHelp, stderr);
        return 1;
    }

    const QtMessageHandler previous = qInstallMessageHandler(StartupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
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
    return QApplication::exec();
}
