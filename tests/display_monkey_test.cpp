#include "display/forms/interval_timer.h"
#include "support/display_probe.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>
#include <QTimerEvent>

#include <algorithm>
#include <array>
#include <memory>
#include <random>

using quarn::testing::LabelText;
using quarn::testing::PictureMismatch;

namespace {

constexpr std::array<const char*, 6> kButtons = {"cmdAllOn",   "cmdAllOff", "cmdRandom",
                                                 "cmdOneStep", "cmdGo",     "cmdStop"};

} // namespace

// A fixed-seed stream of random clicks, strokes, button presses, undos, redos and timer ticks.
// After every event the picture must show the board, the label its count, and the run state the
// last command; every 2000 events from the 1000th, undoing everything and redoing it must come
// back. Set QUARN_MONKEY_SEED and QUARN_MONKEY_EVENTS to replay or lengthen a run.
class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void randomEventsKeepThePictureTrue();

private:
    void Act(std::mt19937& rng);
    void Clicked(const QString& name);
    void Stroke(std::mt19937& rng, Qt::MouseButton button);
    QString UndoAllRedoAll(bool backToStart);
    QString Check();

    std::unique_ptr<frmDisplay> window_;
    QWidget* picture_ = nullptr;
    // What the picture area shows, rendered into the one image for the whole run: a fresh grab
    // for each of 100000 events would spend most of the run allocating.
    QImage frame_;
    quarn::forms::IntervalTimer* timer_ = nullptr;
    bool running_ = false;
};

void MonkeyTest::randomEventsKeepThePictureTrue()
{
    const unsigned seed =
        qEnvironmentVariableIsSet("QUARN_MONKEY_SEED")
            ? static_cast<unsigned>(qEnvironmentVariableIntValue("QUARN_MONKEY_SEED"))
            : 20261208U;
    const int events = qEnvironmentVariableIsSet("QUARN_MONKEY_EVENTS")
                           ? qEnvironmentVariableIntValue("QUARN_MONKEY_EVENTS")
                           : 100000;

    window_ = std::make_unique<frmDisplay>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    picture_ = quarn::testing::PictureArea(*window_);
    frame_ = quarn::testing::Grab(*window_);
    timer_ = window_->findChild<quarn::forms::IntervalTimer*>(QStringLiteral("timer"));

    std::mt19937 rng(seed);
    for (int event = 0; event < events; ++event) {
        Act(rng);
        if (event % 200 == 0) {
            QCoreApplication::processEvents();
        }
        QString problem = Check();
        if (problem.isEmpty() && event % 2000 == 999) {
            problem = UndoAllRedoAll(event < 2000);
        }
        if (!problem.isEmpty()) {
            QFAIL(qPrintable(
                QStringLiteral("seed %1, event %2: %3").arg(seed).arg(event).arg(problem)));
        }
    }
    qInfo("%d events from seed %u, %d generations counted at the end", events, seed,
          window_->board().StepCount());
    window_.reset();
}

void MonkeyTest::Act(std::mt19937& rng)
{
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int roll = percent(rng);
    const Qt::MouseButton mouse = percent(rng) < 80 ? Qt::LeftButton : Qt::RightButton;

    if (roll < 40) {
        // Anywhere in the picture area: cells, their edges, the gaps and the strip past the
        // field, at fractional positions too.
        const double side = picture_->width();
        quarn::testing::Click(picture_, {unit(rng) * side, unit(rng) * side}, mouse);
    } else if (roll < 50) {
        // Anywhere in the client area under the menu bar, delivered to whatever is under the
        // pointer.
        const int top = window_->findChild<QMenuBar*>()->height();
        const QPoint at(static_cast<int>(unit(rng) * window_->width()),
                        top + static_cast<int>(unit(rng) * (window_->height() - top)));
        QWidget* target = window_->childAt(at);
        if (target == nullptr) {
            target = window_.get();
        }
        quarn::testing::Click(target, target->mapFrom(window_.get(), at), mouse);
        if (mouse == Qt::LeftButton) { // buttons answer the left button only
            Clicked(target->objectName());
        }
    } else if (roll < 56) {
        Stroke(rng, mouse);
    } else if (roll < 80) {
        const char* name = kButtons[static_cast<std::size_t>(percent(rng)) % kButtons.size()];
        QTest::mouseClick(quarn::testing::Button(*window_, name), Qt::LeftButton);
        Clicked(QString::fromLatin1(name));
    } else if (roll < 86) {
        // Undo or redo, each of which stops any run first. A run under way can always be
        // undone; redo is there only when something was undone, and when it is not, its menu
        // entry is greyed out and the key does nothing.
        const bool redo = roll >= 84;
        const QKeySequence key(redo ? QKeySequence::Redo : QKeySequence::Undo);
        const bool available =
            !redo ||
            std::ranges::any_of(window_->findChildren<QAction*>(), [&key](const QAction* action) {
                return action->isEnabled() && action->shortcuts().contains(key);
            });
        QTest::keySequence(window_.get(), key);
        running_ = running_ && !available;
    } else if (running_) {
        emit timer_->Timer(); // a tick as the running timer delivers it
    } else {
        // A stray timer event while stopped, which must be ignored.
        QTimerEvent tick(0x7ffe);
        QApplication::sendEvent(timer_, &tick);
    }
}

// A drag from somewhere in the picture area through a few samples, some of them off the area.
void MonkeyTest::Stroke(std::mt19937& rng, Qt::MouseButton button)
{
    std::uniform_real_distribution<double> along(-0.2, 1.2);
    std::uniform_int_distribution<int> samples(1, 4);
    const double side = picture_->width();
    const auto send = [this](QEvent::Type type, QPointF at, Qt::MouseButton which,
                             Qt::MouseButtons held) {
        QMouseEvent event(type, at, picture_->mapToGlobal(at), which, held, Qt::NoModifier);
        QApplication::sendEvent(picture_, &event);
    };
    QPointF at(std::clamp(along(rng), 0.0, 0.999) * side,
               std::clamp(along(rng), 0.0, 0.999) * side);
    send(QEvent::MouseButtonPress, at, button, button);
    for (int i = samples(rng); i > 0; --i) {
        at = QPointF(along(rng) * side, along(rng) * side);
        send(QEvent::MouseMove, at, Qt::NoButton, button);
    }
    send(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

// Undoing all that can be undone, then redoing all of it, brings back the board and the count.
// The first time, before the history is full, undoing all of it goes back to the start.
QString MonkeyTest::UndoAllRedoAll(bool backToStart)
{
    const quarn::BoardState before = window_->board().State();
    const auto press = [this](Qt::KeyboardModifiers modifiers) {
        const quarn::BoardState was = window_->board().State();
        QTest::keyClick(window_.get(), Qt::Key_Z, modifiers);
        return window_->board().State() != was;
    };
    // Every entry changes the board or the count, so a press that changes nothing found none.
    // Entries undone earlier, still there to redo, stay so: only what is undone here is redone.
    int undone = 0;
    while (press(Qt::ControlModifier)) {
        ++undone;
    }
    if (undone == 0) {
        return QStringLiteral("nothing was undone");
    }
    if (backToStart && window_->board().State() != quarn::Board().State()) {
        return QStringLiteral("undoing all %1 entries did not go back to the start").arg(undone);
    }
    int redone = 0;
    while (redone < undone && press(Qt::ControlModifier | Qt::ShiftModifier)) {
        ++redone;
    }
    running_ = false;
    if (redone != undone || window_->board().State() != before) {
        return QStringLiteral("undoing %1 entries and redoing %2 did not come back")
            .arg(undone)
            .arg(redone);
    }
    return {};
}

// The run state that clicking the named control leaves behind.
void MonkeyTest::Clicked(const QString& name)
{
    if (name == "cmdGo") {
        running_ = true;
    } else if (name == "cmdStop" || name == "cmdAllOn" || name == "cmdAllOff" ||
               name == "cmdRandom") {
        running_ = false;
    }
}

QString MonkeyTest::Check()
{
    const quarn::Board& board = window_->board();
    if (LabelText(*window_) != QStringLiteral("Steps: %1").arg(board.StepCount())) {
        return QStringLiteral("label reads '%1' with the count at %2")
            .arg(LabelText(*window_))
            .arg(board.StepCount());
    }
    if ((timer_->Interval() != 0) != running_) {
        return QStringLiteral("timer interval %1 after the last command").arg(timer_->Interval());
    }
    for (std::int16_t i = 0; i <= 31; ++i) {
        if (board.CellAt(0, i) != 0 || board.CellAt(31, i) != 0 || board.CellAt(i, 0) != 0 ||
            board.CellAt(i, 31) != 0) {
            return QStringLiteral("a ring cell next to index %1 changed").arg(i);
        }
    }
    picture_->render(&frame_);
    return PictureMismatch(frame_, board);
}

QTEST_MAIN(MonkeyTest)
#include "display_monkey_test.moc"
