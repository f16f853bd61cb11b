#pragma once

#include "census/moments.h"
#include "census/run_model.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>

namespace quarn {

// The moments of the way the board is on, for a person to travel by: found away from the window
// as soon as a way begins, so that a run never waits for them; M runs the board to the next one,
// Shift+M takes it back to the one before; while the board runs each moment it reaches is said,
// once. It asks the window for the runs and the travels, and says and outlines what it arrives
// at.
class MomentsTour : public QObject
{
    Q_OBJECT

public:
    // The board cannot be taken past the step the count can show.
    static constexpr int kLastStep = 32767;

    explicit MomentsTour(const RunModel& run, QObject* parent = nullptr);
    ~MomentsTour() override;
    MomentsTour(const MomentsTour&) = delete;
    MomentsTour& operator=(const MomentsTour&) = delete;
    MomentsTour(MomentsTour&&) = delete;
    MomentsTour& operator=(MomentsTour&&) = delete;

    // The moments of the way the board is on, waited for if they are still being found.
    const Moments& Found();
    // Whether they have been found; and they, if they have.
    bool Ready() const;
    const Moments* Known() const;

    // The board changed: a new way's moments are looked for; while the board runs, the moments
    // at the step it reached are said, once.
    void Follow(bool running);
    // M: the board to run to the next moment ahead, or that there is none; Shift+M: the board
    // back to the moment before, or to the way's start.
    void Travel(bool backwards);
    // The board has been taken to a step, or stopped at one: the line of a moment there said, and
    // its objects outlined. Whether there was one.
    bool Arrived();
    // The next moment ahead before the fate, for the end of D: "Next, at step 97: …"; none where
    // there is none.
    QString NextAhead();

    // The moments' line in the person's language.
    static QString LineOf(const Moment& moment);

signals:
    void Said(const QString& message);
    // The board to run until this step, as Go runs it.
    void RunToRequested(int step);
    // The board taken at once to this step of its way, back to a moment or to the way's start.
    void TravelRequested(int step);
    // A moment reached while the board runs, or the first of several at one step.
    void Reached(Moment::Kind kind);
    // The moments of a new way have been found, or the way the board is on is a new one, whose
    // moments are not known yet.
    void FoundChanged();
    // The box round the objects a moment concerns, from its top-left cell to its bottom-right.
    void Outlined(int top, int left, int bottom, int right);
    void OutlineGone();

private:
    void Look();
    void Searched();
    int Now() const;
    // The moments at the step, in their order.
    std::vector<const Moment*> At(int step);
    // Whether there were any to say.
    bool SayAt(int step);

    const RunModel& run_;
    QTimer quiet_;
    QFutureWatcher<Moments> search_;
    std::uint64_t searching_ = 0; // the way being looked at, or 0
    Moments found_;
    std::uint64_t foundWay_ = 0;
    int saidStep_ = -1;    // the step whose moments were said last while running
    bool saidNow_ = false; // by the last generation followed, at the step the board is at
    bool outlined_ = false;
    std::uint64_t toldWay_ = 0; // the way whose moments were told changed last
};

} // namespace quarn
