#include "display/forms/interval_timer.h"

#include <QTimerEvent>

#include <stdexcept>
#include <string>

namespace quarn::forms {

IntervalTimer::IntervalTimer(QObject* parent)
    : QObject(parent)
{}

int IntervalTimer::Interval() const
{
    return interval_;
}

void IntervalTimer::Interval(int milliseconds)
{
    if (milliseconds < 0) {
        throw std::invalid_argument("Interval: " + std::to_string(milliseconds) +
                                    " ms is negative");
    }
    if (milliseconds == interval_) {
        return;
    }
    interval_ = milliseconds;
    if (milliseconds == 0) {
        timer_.stop();
    } else {
        // A precise timer keeps the run at its nominal rate instead of drifting within Qt's
        // default 5% coarse-timer slack.
        timer_.start(milliseconds, Qt::PreciseTimer, this);
    }
}

void IntervalTimer::timerEvent(QTimerEvent* event)
{
    if (timer_.isActive() && event->timerId() == timer_.timerId()) {
        emit Timer();
        return;
    }
    QObject::timerEvent(event);
}

} // namespace quarn::forms
