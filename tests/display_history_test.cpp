#include "display/forms/interval_timer.h"
#include "support/board_helpers.h"
#include "support/display_probe.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

using quarn::testing::CellCentre;
using quarn::testing::CellSet;
using quarn::testing::Interval;
using quarn::testing::LabelText;
using quarn::testing::LiveCells;
using quarn::testing::PictureArea;
using quarn::testing::PictureMismatch;

namespace {

struct Shown
{
    CellSet live;
    int count;
    bool operator==(const Shown&) const = default;
};

} // namespace

// Drawing by dragging, and undo and redo of every kind of action, through the real window.
class HistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void undoAndRedo_data();
    void undoAndRedo();
    void dragDrawsAndErasesWithoutGaps();
    void keepsTheLatestThousandEntries();

private:
    void Do(const QString& action);
    void Mouse(QEvent::Type type, QPointF at, Qt::MouseButtons held);
    Shown Now() const;

    std::unique_ptr<frmDisplay> window_;
};

void HistoryTest::init()
{
    window_ = std::make_unique<frmDisplay>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QApplication::setActiveWindow(window_.get());
}

void HistoryTest::cleanup()
{
    window_.reset();
}

Shown HistoryTest::Now() const
{
    return {LiveCells(window_->board()), window_->board().StepCount()};
}

void HistoryTest::Mouse(QEvent::Type type, QPointF at, Qt::MouseButtons held)
{
    QWidget* area = PictureArea(*window_);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, area->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(area, &event);
}

// One action as a person does it: "click R C", "drag R1 C1 R2 C2" (one fast move), "hold R C"
// (the left button down), "press cmdName", "tick N" (of a running timer), "key Name" on the
// board, "paste" a glider, "badpaste" (and close the warning), "undo", "redo", "redo-ctrl+y".
void HistoryTest::Do(const QString& action)
{
    const QStringList words = action.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto number = [&words](int i) { return words.value(i).toInt(); };
    const QString verb = words.value(0);
    if (verb == QStringLiteral("click")) {
        QTest::mouseClick(PictureArea(*window_), Qt::LeftButton, {},
                          CellCentre(number(1), number(2)));
    } else if (verb == QStringLiteral("drag")) {
        Mouse(QEvent::MouseButtonPress, CellCentre(number(1), number(2)), Qt::LeftButton);
        Mouse(QEvent::MouseMove, CellCentre(number(3), number(4)), Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, CellCentre(number(3), number(4)), Qt::NoButton);
    } else if (verb == QStringLiteral("press")) {
        quarn::testing::Press(*window_, qPrintable(words.value(1)));
    } else if (verb == QStringLiteral("tick")) {
        auto* timer = window_->findChild<quarn::forms::IntervalTimer*>(QStringLiteral("timer"));
        for (int i = 0; i < number(1); ++i) {
            emit timer->Timer(); // as the running timer delivers a tick
        }
    } else if (verb == QStringLiteral("key")) {
        QTest::keyClick(PictureArea(*window_), QKeySequence(words.value(1))[0].key());
    } else if (verb == QStringLiteral("hold")) {
        Mouse(QEvent::MouseButtonPress, CellCentre(number(1), number(2)), Qt::LeftButton);
    } else if (verb == QStringLiteral("badpaste")) {
        QApplication::clipboard()->setText(QStringLiteral("garbage"));
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        QTest::keyClick(window_.get(), Qt::Key_V, Qt::ControlModifier);
        QApplication::setActiveWindow(window_.get()); // as the closed box leaves it
    } else if (verb == QStringLiteral("paste")) {
        QApplication::clipboard()->setText(QStringLiteral("x = 3, y = 3\nbo$2bo$3o!"));
        QTest::keyClick(window_.get(), Qt::Key_V, Qt::ControlModifier);
    } else if (verb == QStringLiteral("undo")) {
        QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
    } else if (verb == QStringLiteral("redo")) {
        QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    } else if (verb == QStringLiteral("redo-ctrl+y")) {
        QTest::keyClick(window_.get(), Qt::Key_Y, Qt::ControlModifier);
    } else {
        QFAIL(qPrintable(QStringLiteral("no such action: ") + action));
    }
}

void HistoryTest::undoAndRedo_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("then");
    QTest::addColumn<int>("shows"); // the state after that action, counted from 0; -1 the start
    QTest::addColumn<QString>("offered"); // by the Undo entry before "then", if it matters

    QTest::newRow("a click") << "click 5 5"
                             << "undo" << -1 << "&Undo Draw";
    QTest::newRow("a click, redone") << "click 5 5"
                                     << "undo; redo" << 0 << QString();
    QTest::newRow("a stroke is one entry") << "drag 1 1 6 6"
                                           << "undo" << -1 << QString();
    QTest::newRow("Ctrl+Y redoes too") << "click 5 5"
                                       << "undo; redo-ctrl+y" << 0 << QString();
    QTest::newRow("each step") << "press cmdAllOn; press cmdOneStep; press cmdOneStep"
                               << "undo" << 1 << QString();
    QTest::newRow("back to the start") << "press cmdAllOn; press cmdOneStep; press cmdOneStep"
                                       << "undo; undo; undo" << -1 << QString();
    QTest::newRow("and forward again") << "press cmdAllOn; press cmdOneStep; press cmdOneStep"
                                       << "undo; undo; redo; redo" << 2 << QString();
    QTest::newRow("a whole run") << "press cmdRandom; press cmdGo; tick 5; press cmdStop"
                                 << "undo" << 0 << "&Undo Run";
    QTest::newRow("1 Step and clicks belong to the run")
        << "press cmdRandom; press cmdGo; tick 3; press cmdOneStep; click 2 2; tick 2; press "
           "cmdStop"
        << "undo" << 0 << QString();
    QTest::newRow("a fill ends the run") << "press cmdRandom; press cmdGo; tick 3; press cmdAllOff"
                                         << "undo" << 2 << QString();
    QTest::newRow("the run, then the fill")
        << "press cmdRandom; press cmdGo; tick 3; press cmdAllOff"
        << "undo; undo" << 0 << QString();
    QTest::newRow("undo stops a run") << "press cmdRandom; press cmdGo; tick 2"
                                      << "undo" << 0 << "&Undo Run";
    QTest::newRow("a first run can be undone") << "press cmdGo; tick 1"
                                               << "undo" << -1 << "&Undo Run";
    QTest::newRow("go and stop with no generation: no entry")
        << "click 3 3; press cmdGo; press cmdStop"
        << "undo" << -1 << QString();
    QTest::newRow("a fill that changes nothing: no entry")
        << "click 3 3; press cmdAllOff; press cmdAllOff"
        << "undo" << 0 << QString();
    QTest::newRow("a new action clears redo") << "click 3 3; undo; click 4 4"
                                              << "redo" << 2 << QString();
    // The box takes the button's release, which the board never hears of.
    QTest::newRow("a box ends a stroke") << "hold 5 5; badpaste; press cmdOneStep; key Space"
                                         << "undo" << 2 << QString();
    QTest::newRow("a paste") << "paste; press cmdOneStep"
                             << "undo; undo" << -1 << QString();
    QTest::newRow("keys toggle one entry each") << "key Space; key Right; key Space"
                                                << "undo" << 1 << QString();
    QTest::newRow("nothing to undo") << ""
                                     << "undo; undo; redo" << -1 << "&Undo";
}

void HistoryTest::undoAndRedo()
{
    QFETCH(QString, actions);
    QFETCH(QString, then);
    QFETCH(int, shows);
    QFETCH(QString, offered);

    std::vector<Shown> after;
    const Shown start = Now();
    for (const QString& action : actions.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        Do(action.trimmed());
        after.push_back(Now());
    }
    if (!offered.isEmpty()) {
        const QAction* undo = quarn::testing::MenuEntry(*window_, QKeySequence::Undo);
        QCOMPARE(undo->text(), offered);
        QCOMPARE(undo->isEnabled(), offered != QStringLiteral("&Undo"));
    }
    for (const QString& action : then.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        Do(action.trimmed());
    }
    const Shown want = shows < 0 ? start : after.at(static_cast<std::size_t>(shows));
    QCOMPARE(Now(), want);
    QCOMPARE(Interval(*window_), 0);
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: %1").arg(want.count));
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());
}

void HistoryTest::dragDrawsAndErasesWithoutGaps()
{
    // One fast move along the diagonal lights every cell on it.
    Do(QStringLiteral("drag 1 1 10 10"));
    CellSet diagonal;
    for (int i = 1; i <= 10; ++i) {
        diagonal.insert({i, i});
    }
    QCOMPARE(LiveCells(window_->board()), diagonal);

    // A stroke that starts on a live cell erases, each cell once, back and forth.
    Mouse(QEvent::MouseButtonPress, CellCentre(3, 3), Qt::LeftButton);
    Mouse(QEvent::MouseMove, CellCentre(8, 8), Qt::LeftButton);
    Mouse(QEvent::MouseMove, CellCentre(4, 4), Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, CellCentre(4, 4), Qt::NoButton);
    QCOMPARE(LiveCells(window_->board()), CellSet({{1, 1}, {2, 2}, {9, 9}, {10, 10}}));

    // Past the field's edge and outside the area nothing changes; coming back, drawing goes on.
    Do(QStringLiteral("press cmdAllOff"));
    Mouse(QEvent::MouseButtonPress, CellCentre(5, 28), Qt::LeftButton);
    Mouse(QEvent::MouseMove, QPointF(380, CellCentre(5, 28).y()), Qt::LeftButton);
    Mouse(QEvent::MouseMove, QPointF(380, -40), Qt::LeftButton);
    Mouse(QEvent::MouseMove, QPointF(-40, -40), Qt::LeftButton);
    Mouse(QEvent::MouseMove, CellCentre(1, 1), Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, CellCentre(1, 1), Qt::NoButton);
    QCOMPARE(LiveCells(window_->board()), CellSet({{5, 28}, {5, 29}, {5, 30}, {1, 1}}));
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: 0"));
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());

    // The stroke is one entry.
    Do(QStringLiteral("undo"));
    QVERIFY(LiveCells(window_->board()).empty());
}

void HistoryTest::keepsTheLatestThousandEntries()
{
    std::vector<Shown> after;
    for (int i = 0; i < 1001; ++i) {
        Do(QStringLiteral("click %1 %2").arg(1 + i % 30).arg(1 + (i / 30) % 30));
        after.push_back(Now());
    }
    for (int i = 0; i < 1001; ++i) {
        Do(QStringLiteral("undo"));
    }
    QCOMPARE(Now(), after.front()); // the first click's entry went to make room
}

QTEST_MAIN(HistoryTest)
#include "display_history_test.moc"
