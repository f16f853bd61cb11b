#include "features/moments/moments_tour.h"

#include "translations/translations.h"

#include <QStringList>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <utility>

namespace quarn {

// Constants of the looking: a board being drawn on goes a new way at every cell, and its
// moments are looked for once it has been left alone this long, or at once when it runs.
constexpr int kQuietMs = 300;

MomentsTour::MomentsTour(const RunModel& run, QObject* parent)
    : QObject(parent),
      run_(run)
{
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMs);
    connect(&quiet_, &QTimer::timeout, this, &MomentsTour::Look);
    connect(&search_, &QFutureWatcher<Moments>::finished, this, &MomentsTour::Searched);
}

// A search in flight holds copies of what it reads, and ends on its own.
MomentsTour::~MomentsTour() = default;

const Moments& MomentsTour::Found()
{
    const std::uint64_t way = run_.Record().Way();
    while (foundWay_ != way) {
        Look();
        search_.waitForFinished();
        Searched();
    }
    return found_;
}

bool MomentsTour::Ready() const
{
    return foundWay_ == run_.Record().Way();
}

const Moments* MomentsTour::Known() const
{
    return Ready() ? &found_ : nullptr;
}

QString MomentsTour::LineOf(const Moment& moment)
{
    return Translated(moment.Line(), "Census");
}

void MomentsTour::Follow(bool running)
{
    if (toldWay_ != run_.Record().Way() && !Ready()) {
        toldWay_ = run_.Record().Way();
        emit FoundChanged();
    }
    if (running) {
        Look();
    } else if (!Ready()) {
        quiet_.start();
    }
    // The outline of a moment arrived at goes as soon as the board moves on.
    if (outlined_) {
        outlined_ = false;
        emit OutlineGone();
    }
    saidNow_ = false;
    const int now = Now();
    if (!running || !Ready() || now == saidStep_) {
        return;
    }
    saidStep_ = now;
    saidNow_ = SayAt(now);
}

void MomentsTour::Travel(bool backwards)
{
    const Moments& moments = Found();
    const int now = Now();
    if (!backwards) {
        const auto next =
            std::find_if(moments.list.begin(), moments.list.end(), [now](const Moment& moment) {
                return moment.step > now && moment.step <= kLastStep;
            });
        if (next == moments.list.end()) {
            emit Said(tr("No moment ahead."));
            return;
        }
        emit RunToRequested(next->step);
        return;
    }
    const int start = run_.Record().WayStartStep();
    if (now <= start) {
        emit Said(tr("No moment before: this is where the way began."));
        return;
    }
    int back = start;
    for (const Moment& moment : moments.list) {
        if (moment.step < now) {
            back = moment.step;
        }
    }
    emit TravelRequested(back);
}

bool MomentsTour::Arrived()
{
    const int now = Now();
    const std::vector<const Moment*> here = At(now);
    if (here.empty()) {
        return false;
    }
    // Said already where the generation that arrived here reached it.
    if (!saidNow_) {
        SayAt(now);
    }
    saidNow_ = false;
    Field cells;
    for (const Moment* moment : here) {
        for (const Field& object : moment->objects) {
            cells = cells | object;
        }
    }
    if (cells.Empty()) {
        emit OutlineGone();
        return true;
    }
    const FieldCell topLeft = cells.TopLeft();
    const FieldCell bottomRight = cells.BottomRight();
    outlined_ = true;
    emit Outlined(topLeft.row, topLeft.column, bottomRight.row, bottomRight.column);
    return true;
}

QString MomentsTour::NextAhead()
{
    const int now = Now();
    for (const Moment& moment : Found().list) {
        // D says the fate in words of its own.
        if (moment.step > now && moment.kind != Moment::Kind::Fate) {
            return tr("Next, at step %1: %2")
                .arg(moment.step)
                .arg(Translated(moment.what, "Census"));
        }
    }
    return {};
}

// Looked for away from the window, with the fate the run model foresaw for the way: a random
// fill's moments take tens of milliseconds, more than a generation may be late by. One search at
// a time, for the way the board is on when it starts: the ways a board went through while one
// was searched are never looked at.
void MomentsTour::Look()
{
    const RunRecord& record = run_.Record();
    const std::uint64_t way = record.Way();
    if (way == foundWay_ || way == searching_ || searching_ != 0) {
        return;
    }
    searching_ = way;
    search_.setFuture(
        QtConcurrent::run([start = record.WayStart(), step = record.WayStartStep(),
                           fate = run_.Foreseen()] { return MomentsOf(start, step, fate); }));
}

void MomentsTour::Searched()
{
    if (searching_ == 0) {
        return; // taken already, by a wait for it
    }
    const std::uint64_t way = std::exchange(searching_, 0);
    if (way != run_.Record().Way()) {
        Look(); // the board has gone another way since
        return;
    }
    found_ = search_.result();
    foundWay_ = way;
    // What the board has passed already is not news.
    saidStep_ = Now();
    toldWay_ = way;
    emit FoundChanged();
}

int MomentsTour::Now() const
{
    return run_.Record().Last().step;
}

std::vector<const Moment*> MomentsTour::At(int step)
{
    std::vector<const Moment*> here;
    for (const Moment& moment : Found().list) {
        if (moment.step == step) {
            here.push_back(&moment);
        }
    }
    return here;
}

bool MomentsTour::SayAt(int step)
{
    const std::vector<const Moment*> here = At(step);
    if (here.empty()) {
        return false;
    }
    QStringList lines;
    for (const Moment* moment : here) {
        lines << LineOf(*moment);
    }
    emit Said(lines.join(QLatin1Char(' ')));
    emit Reached(here.front()->kind);
    return true;
}

} // namespace quarn
