#pragma once

#include <QBasicTimer>
#include <QObject>

namespace quarn::forms {

// A periodic timer driven by one number: an interval of 0 stops it, a positive interval makes
// Timer() fire at that period. Ticks that fall due while a handler is still busy are not queued.
class IntervalTimer : public QObject
{
    Q_OBJECT

public:
    explicit IntervalTimer(QObject* parent = nullptr);

    int Interval() const;
    // Setting the interval it already runs at leaves the countdown alone, so repeating a start
    // never delays the next tick.
    void Interval(int milliseconds);

signals:
    void Timer();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    QBasicTimer timer_;
    int interval_ = 0;
};

} // namespace quarn::forms
