// Presses "Go" in the real window and records when each generation of the run ends, through
// the window's own timer and handlers, for a given time. Prints the count of generations and
// the spread of the spacing between them.
//   quarn-cadence [SECONDS]   (default 60)

#include "display/forms/interval_timer.h"
#include "display/frmDisplay.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double Percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1));
    return values[index];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int seconds = argc > 1 ? std::stoi(argv[1]) : 60;

    quarn::frmDisplay window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "quarn-cadence: the window never appeared\n");
        return 1;
    }
    window.findChild<QPushButton*>(QStringLiteral("cmdRandom"))->click();

    QElapsedTimer clock;
    std::vector<qint64> ends;
    ends.reserve(static_cast<std::size_t>(seconds) * 11);
    auto* timer = window.findChild<quarn::forms::IntervalTimer*>(QStringLiteral("timer"));
    // Connected after the window's own handler, so this runs as each generation finishes.
    QObject::connect(timer, &quarn::forms::IntervalTimer::Timer,
                     [&] { ends.push_back(clock.nsecsElapsed()); });

    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &application, [&] {
        window.findChild<QPushButton*>(QStringLiteral("cmdStop"))->click();
        QApplication::quit();
    });
    clock.start();
    window.findChild<QPushButton*>(QStringLiteral("cmdGo"))->click();
    QApplication::exec();

    std::vector<double> spacing;
    for (std::size_t i = 1; i < ends.size(); ++i) {
        spacing.push_back(static_cast<double>(ends[i] - ends[i - 1]) / 1e6);
    }
    const QString label = window.findChild<QLabel*>(QStringLiteral("lblStepCount"))->text();
    std::printf("run of %d s: %zu generations, label '%s'\n", seconds, ends.size(),
                qPrintable(label));
    if (!spacing.empty()) {
        std::printf("tick spacing ms: min %.3f  median %.3f  p99 %.3f  max %.3f\n",
                    *std::min_element(spacing.begin(), spacing.end()), Percentile(spacing, 0.5),
                    Percentile(spacing, 0.99), *std::max_element(spacing.begin(), spacing.end()));
    }
    return 0;
}
