// Runs the window for a long stretch through its real timer handler and reports resident
// memory as it goes: the program must not grow while it runs.
//   quarn-soak [GENERATIONS]   (default 1000000)

#include "display/forms/interval_timer.h"
#include "display/frmDisplay.h"

#include <QApplication>
#include <QPushButton>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const long generations = argc > 1 ? std::stol(argv[1]) : 1000000;

    quarn::frmDisplay window;
    window.show();
    QCoreApplication::processEvents();
    window.findChild<QPushButton*>(QStringLiteral("cmdRandom"))->click();
    window.findChild<QPushButton*>(QStringLiteral("cmdGo"))->click();
    auto* timer = window.findChild<quarn::forms::IntervalTimer*>(QStringLiteral("timer"));

    // A tick as the running timer delivers it, without waiting the 100 ms for it.
    const auto tick = [&] {
        emit timer->Timer();
        QCoreApplication::processEvents();
    };
    // Refill when the board settles, so that every generation has work to draw.
    const auto keepAlive = [&](long done) {
        if (done % 2000 == 0) {
            window.findChild<QPushButton*>(QStringLiteral("cmdRandom"))->click();
            window.findChild<QPushButton*>(QStringLiteral("cmdGo"))->click();
        }
    };

    const long startKiB = ResidentKiB();
    std::printf("generations %9d  resident %6ld KiB  (window shown)\n", 0, startKiB);
    const auto began = std::chrono::steady_clock::now();
    long warmKiB = 0;
    for (long done = 1; done <= generations; ++done) {
        tick();
        keepAlive(done);
        if (done == 1000) {
            warmKiB = ResidentKiB();
        }
        if (done % 100000 == 0 || done == generations) {
            std::printf("generations %9ld  resident %6ld KiB\n", done, ResidentKiB());
            std::fflush(stdout);
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    const long endKiB = ResidentKiB();
    std::printf("%ld generations with full redraws in %.1f s; resident %ld KiB at the start, "
                "%ld KiB after 1000 generations, %ld KiB at the end: growth %+ld KiB from the "
                "start\n",
                generations, seconds, startKiB, warmKiB, endKiB, endKiB - startKiB);
    return endKiB - startKiB < 1024 ? 0 : 1;
}
