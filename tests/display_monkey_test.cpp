#include "forms/interval_timer.h"
#include "forms/picture_box.h"
#include "support/display_probe.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimerEvent>

#include <array>
#include <memory>
#include <random>

using quarn::testing::CellCentre;
using quarn::testing::LabelText;
using quarn::testing::PictureMismatch;
using quarn::testing::PixelAt;
using quarn::testing::TestDisplay;

namespace {

constexpr std::array<const char*, 6> kButtons = {"cmdAllOn",   "cmdAllOff", "cmdRandom",
                                                 "cmdOneStep", "cmdGo",     "cmdStop"};

void SendClick(QWidget* target, QPointF local, Qt::MouseButton button)
{
    const QPointF global = target->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

} // namespace

// A fixed-seed stream of random clicks, button presses and timer ticks. After every event the
// picture must show the board, the label its count, and the run state the last command. Set
// QUARN_MONKEY_SEED and QUARN_MONKEY_EVENTS to replay or lengthen a run.
class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void randomEventsKeepThePictureTrue();

private:
    void Act(std::mt19937& rng);
    void Clicked(const QString& name);
    QString Check(bool fullGrab);

    std::unique_ptr<TestDisplay> window_;
    forms::PictureBox* picture_ = nullptr;
    forms::IntervalTimer* timer_ = nullptr;
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

    window_ = std::make_unique<TestDisplay>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    picture_ = window_->findChild<forms::PictureBox*>(QStringLiteral("picFrame"));
    timer_ = window_->findChild<forms::IntervalTimer*>(QStringLiteral("timer"));

    std::mt19937 rng(seed);
    for (int event = 0; event < events; ++event) {
        Act(rng);
        if (event % 200 == 0) {
            QCoreApplication::processEvents();
        }
        const QString problem = Check(event % 2000 == 0);
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
        SendClick(picture_, {unit(rng) * side, unit(rng) * side}, mouse);
    } else if (roll < 50) {
        // Anywhere in the window, delivered to whatever is under the pointer.
        const QPoint at(static_cast<int>(unit(rng) * window_->width()),
                        static_cast<int>(unit(rng) * window_->height()));
        QWidget* target = window_->childAt(at);
        if (target == nullptr) {
            target = window_.get();
        }
        SendClick(target, target->mapFrom(window_.get(), at), mouse);
        if (mouse == Qt::LeftButton) { // buttons answer the left button only
            Clicked(target->objectName());
        }
    } else if (roll < 80) {
        const char* name = kButtons[static_cast<std::size_t>(percent(rng)) % kButtons.size()];
        QTest::mouseClick(quarn::testing::Button(*window_, name), Qt::LeftButton);
        Clicked(QString::fromLatin1(name));
    } else {
        // A tick as the timer itself receives it; while stopped, a stray one that must be
        // ignored.
        QTimerEvent tick(running_ ? timer_->TimerId() : 0x7ffe);
        QApplication::sendEvent(timer_, &tick);
    }
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

QString MonkeyTest::Check(bool fullGrab)
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
    if (fullGrab) {
        return PictureMismatch(*window_, board);
    }
    const QImage& image = picture_->Image();
    for (std::int16_t r = 1; r <= 30; ++r) {
        for (std::int16_t c = 1; c <= 30; ++c) {
            const QRgb want =
                board.CellAt(r, c) != 0 ? quarn::testing::kLive : quarn::testing::kDead;
            if (PixelAt(image, CellCentre(r, c)) != want) {
                return QStringLiteral("cell (%1, %2) is drawn wrong").arg(r).arg(c);
            }
        }
    }
    return {};
}

QTEST_MAIN(MonkeyTest)
#include "display_monkey_test.moc"
