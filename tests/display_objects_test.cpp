#include "support/board_helpers.h"
#include "support/display_probe.h"

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QListView>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <memory>
#include <set>
using quarn::testing::CellCentre;
using quarn::testing::CellSet;
using quarn::testing::ClickTwips;
using quarn::testing::Grab;
using quarn::testing::LabelText;
using quarn::testing::LiveCells;
using quarn::testing::Paste;
using quarn::testing::PictureArea;
using quarn::testing::PictureMismatch;
using quarn::testing::Press;

Q_DECLARE_METATYPE(CellSet)

class DisplayObjectsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void objectsWindow_data();
    void objectsWindow();
    void tooltipSaysTheObjectUnderThePointer_data();
    void tooltipSaysTheObjectUnderThePointer();
    void fateIsTheSameOnEveryRoad_data();
    void fateIsTheSameOnEveryRoad();
    void objectsWindowChoice_data();
    void objectsWindowChoice();
    void outlineFollowsARunningGlider();
    void chosenLineIsTheObjectItShows();
    void objectsWindowLeavesTheCommandsInSight_data();
    void objectsWindowLeavesTheCommandsInSight();

private:
    void PasteTwoGliders();
    QWidget* OpenObjects();
    QString ObjectsFate() const;
    int ChosenEntry() const;
    std::unique_ptr<frmDisplay> window_;
};

void DisplayObjectsTest::init()
{
    window_ = std::make_unique<frmDisplay>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void DisplayObjectsTest::cleanup()
{
    window_.reset();
}

void DisplayObjectsTest::objectsWindow_data()
{
    QTest::addColumn<int>("steps");  // pressed with the window open
    QTest::addColumn<int>("choose"); // the entry chosen, or -1
    QTest::addColumn<QStringList>("listed");

    const char* const fate = "The board settles at step 27 into 4 blocks.";
    QTest::newRow("what the census finds")
        << 0 << -1
        << QStringList{fate, "Glider at row 12, column 10, heading down and to the right.",
                       "Glider at row 16, column 19, heading up and to the left."};
    QTest::newRow("four steps on, each glider a row and a column further")
        << 4 << -1
        << QStringList{fate, "Glider at row 13, column 11, heading down and to the right.",
                       "Glider at row 15, column 18, heading up and to the left."};
    QTest::newRow("an entry chosen, outlined") << 0 << 1 << QStringList{};
    // A click at the same step: the lines of the board as it is now, the first glider broken.
    QTest::newRow("a click, at the same step")
        << -1 << -1
        << QStringList{"The board repeats every 2 steps from step 160, as 2 blinkers, a block "
                       "and a boat.",
                       "Changing group of 4 cells at row 13, column 10.",
                       "Glider at row 16, column 19, heading up and to the left."};
}

// Two gliders heading for each other, the first at row 12, column 10, the second at row 16,
// column 19.
void DisplayObjectsTest::PasteTwoGliders()
{
    Paste(*window_, "x = 12, y = 7\nbo$2bo$3o2$9b3o$9bo$10bo!");
}

// View > Objects over the two gliders.
void DisplayObjectsTest::objectsWindow()
{
    QFETCH(int, steps);
    QFETCH(int, choose);
    QFETCH(QStringList, listed);

    PasteTwoGliders();
    const QImage before = Grab(*window_);
    QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    auto* objects = window_->findChild<QWidget*>(QStringLiteral("objectsWindow"));
    auto* list = window_->findChild<QListView*>(QStringLiteral("objectsList"));
    QVERIFY(objects != nullptr && objects->isVisible());
    for (int i = 0; i < steps; ++i) {
        Press(*window_, "cmdOneStep");
    }
    if (steps < 0) {
        ClickTwips(*window_, 165 * 10 + 80,
                   165 * 11 + 80); // the first glider's top cell, row 12 column 11
    }
    list->setCurrentIndex(list->model()->index(choose, 0));
    if (!listed.isEmpty()) {
        const auto shown = [&] {
            QStringList lines{window_->findChild<QLabel*>(QStringLiteral("objectsFate"))->text()};
            for (int i = 0; i < list->model()->rowCount(); ++i) {
                lines << list->model()->index(i, 0).data().toString();
            }
            return lines;
        };
        QTRY_COMPARE(shown(), listed);
        return;
    }
    // Only the gap round the second glider's cells, rows 16 to 18 and columns 19 to 21, changes
    // (to a pixel past their slots, which rounding may reach), all the way round them; and closing
    // the window takes the outline away.
    const QImage after = Grab(*window_);
    const double ratio = after.devicePixelRatio();
    const QRect around(QPoint(11 * 18 - 1, 11 * 15 - 1), QPoint(11 * 21, 11 * 18));
    QRect changed;
    std::set<int> across; // across the outline's left side, through the object's middle row
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (after.pixel(x, y) != before.pixel(x, y)) {
                const QPoint at(static_cast<int>(x / ratio), static_cast<int>(y / ratio));
                QVERIFY2(around.contains(at),
                         qPrintable(QStringLiteral("pixel (%1, %2) changed").arg(x).arg(y)));
                changed |= QRect(at, QSize(1, 1));
                if (at.y() == 11 * 16 + 5 && at.x() <= 11 * 18 + 2) {
                    across.insert(at.x());
                }
            }
        }
    }
    QVERIFY2(changed.contains(around.adjusted(1, 1, -1, -1)), "the ring does not go all round");
    // Two logical pixels wide, so that it stands out against black and silver alike.
    QCOMPARE(across.size(), std::size_t{2});
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());
    objects->close();
    QCOMPARE(Grab(*window_), before);
}

void DisplayObjectsTest::tooltipSaysTheObjectUnderThePointer_data()
{
    QTest::addColumn<QPoint>("cell"); // row, column
    QTest::addColumn<QString>("tip");

    QTest::newRow("the first glider's top cell")
        << QPoint(12, 11) << "Glider at row 12, column 10, heading down and to the right.";
    QTest::newRow("the second glider's bottom cell")
        << QPoint(18, 20) << "Glider at row 16, column 19, heading up and to the left.";
    QTest::newRow("a dead cell in a glider's box") << QPoint(12, 10) << QString();
}

void DisplayObjectsTest::tooltipSaysTheObjectUnderThePointer()
{
    QFETCH(QPoint, cell);
    QFETCH(QString, tip);

    PasteTwoGliders();
    QWidget* area = PictureArea(*window_);
    const QPoint at = CellCentre(cell.x(), cell.y());
    QHelpEvent help(QEvent::ToolTip, at, area->mapToGlobal(at));
    QApplication::sendEvent(area, &help);
    QTRY_COMPARE(QToolTip::text(), tip);
}

QWidget* DisplayObjectsTest::OpenObjects()
{
    QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    return window_->findChild<QWidget*>(QStringLiteral("objectsWindow"));
}

QString DisplayObjectsTest::ObjectsFate() const
{
    return window_->findChild<QLabel*>(QStringLiteral("objectsFate"))->text();
}

// The entry shown as chosen, or -1.
int DisplayObjectsTest::ChosenEntry() const
{
    const auto* list = window_->findChild<QListView*>(QStringLiteral("objectsList"));
    const QModelIndexList chosen = list->selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? -1 : chosen.front().row();
}

void DisplayObjectsTest::fateIsTheSameOnEveryRoad_data()
{
    QTest::addColumn<int>("steps");    // 1 Step pressed so many times
    QTest::addColumn<bool>("running"); // and then a run, looked at while it runs
    QTest::addColumn<bool>("open");    // the window of objects open from the start
    QTest::addColumn<bool>("undo");    // then 1 Step and undo
    QTest::addColumn<QString>("fate");

    const QString ahead = QStringLiteral("The board settles at step 59 into a block.");
    const QString past = QStringLiteral("The board settled at step 59 into a block.");
    QTest::newRow("before it runs") << 0 << false << false << false << ahead;
    QTest::newRow("ten steps on, the window open") << 10 << false << true << false << ahead;
    QTest::newRow("while it runs, the window open") << 10 << true << true << false << ahead;
    QTest::newRow("while it runs, the window shut") << 10 << true << false << false << ahead;
    QTest::newRow("stopped at 220") << 220 << false << false << false << past;
    QTest::newRow("stopped at 220, the window open") << 220 << false << true << false << past;
    QTest::newRow("1 Step and undo, the window open") << 220 << false << true << true << past;
}

// The glider example settles into a block at step 59, as its comment says: D, the window of
// objects and the tip say so, before it gets there and after, however it got there.
void DisplayObjectsTest::fateIsTheSameOnEveryRoad()
{
    QFETCH(int, steps);
    QFETCH(bool, running);
    QFETCH(bool, open);
    QFETCH(bool, undo);
    QFETCH(QString, fate);

    Paste(*window_, "x = 3, y = 3\nbo$2bo$3o!");
    QWidget* objects = open ? OpenObjects() : nullptr;
    for (int i = 0; i < steps; ++i) {
        Press(*window_, "cmdOneStep");
    }
    if (running) {
        Press(*window_, "cmdGo");
        QTRY_COMPARE(LabelText(*window_), QStringLiteral("Steps: %1").arg(steps + 2));
    }
    if (undo) {
        Press(*window_, "cmdOneStep");
        QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
    }
    QTest::keyClick(PictureArea(*window_), Qt::Key_D);
    QVERIFY2(QToolTip::text().contains(fate), qPrintable(QToolTip::text()));
    if (objects != nullptr) {
        objects->close();
        OpenObjects();
        QCOMPARE(ObjectsFate(), fate);
    }
}

void DisplayObjectsTest::objectsWindowChoice_data()
{
    QTest::addColumn<QString>("done"); // after the second glider is chosen
    QTest::addColumn<int>("chosen");

    QTest::newRow("chosen by the arrows") << "" << 1;
    QTest::newRow("a step on, the same glider") << "cmdOneStep" << 1;
    QTest::newRow("a fill takes it away") << "cmdAllOn" << -1;
    QTest::newRow("and undo does not bring it back") << "cmdAllOn undo" << -1;
    QTest::newRow("a load takes it away") << "paste" << -1;
    QTest::newRow("undo of a click keeps it") << "click undo" << 1;
    QTest::newRow("N chooses the object it goes to") << "N" << 0;
}

// Nothing is chosen until a person chooses; what they chose stays chosen while it is there.
void DisplayObjectsTest::objectsWindowChoice()
{
    QFETCH(QString, done);
    QFETCH(int, chosen);

    PasteTwoGliders();
    OpenObjects();
    auto* list = window_->findChild<QListView*>(QStringLiteral("objectsList"));
    QTRY_COMPARE(list->model()->rowCount(), 2);
    QCOMPARE(ChosenEntry(), -1);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(ChosenEntry(), 1);
    for (const QString& action : done.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (action.startsWith(QStringLiteral("cmd"))) {
            Press(*window_, qPrintable(action));
        } else if (action == QStringLiteral("undo")) {
            QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
        } else if (action == QStringLiteral("paste")) {
            PasteTwoGliders();
        } else if (action == QStringLiteral("click")) {
            ClickTwips(*window_, 165 * 2 + 80, 165 * 2 + 80);
        } else {
            PictureArea(*window_)->setFocus();
            QTest::keyClick(PictureArea(*window_), Qt::Key_N);
        }
    }
    QCOMPARE(ChosenEntry(), chosen);
}

// The chosen glider's outline goes with it at every generation of a run.
void DisplayObjectsTest::outlineFollowsARunningGlider()
{
    PasteTwoGliders();
    QWidget* objects = OpenObjects();
    auto* list = window_->findChild<QListView*>(QStringLiteral("objectsList"));
    QTRY_COMPARE(list->model()->rowCount(), 2);
    QTest::keyClick(list, Qt::Key_Down);
    QSignalSpy outlined(objects, SIGNAL(Outlined(int, int, int, int)));
    Press(*window_, "cmdGo");
    for (int step = 1; step <= 6; ++step) {
        QTRY_COMPARE(LabelText(*window_), QStringLiteral("Steps: %1").arg(step));
        QVERIFY(!outlined.isEmpty());
        // The first glider heads down and to the right: its box, rows 12 to 14 and columns 10
        // to 12 at the start, is a cell further every 4 steps, and leans in between.
        int top = 30;
        int left = 30;
        int bottom = 0;
        int right = 0;
        for (const auto& [r, c] : LiveCells(window_->board())) {
            if (r < 20 && c < 16) {
                top = std::min(top, r);
                left = std::min(left, c);
                bottom = std::max(bottom, r);
                right = std::max(right, c);
            }
        }
        const QList<QVariant> last = outlined.takeLast();
        QCOMPARE(QRect(QPoint(last[1].toInt(), last[0].toInt()),
                       QPoint(last[3].toInt(), last[2].toInt())),
                 QRect(QPoint(left, top), QPoint(right, bottom)));
        outlined.clear();
    }
    Press(*window_, "cmdStop");
}

// Two gliders side by side, the left heading down and the right up, swap places in the census's
// order within a few steps; the list, a second behind a running board, may still show the
// first order. A line chosen then is the object it names, where that object is now.
void DisplayObjectsTest::chosenLineIsTheObjectItShows()
{
    Paste(*window_, "bo8b3o$2bo9bo$3o8bo!");
    OpenObjects();
    auto* list = window_->findChild<QListView*>(QStringLiteral("objectsList"));
    QTRY_COMPARE(list->model()->rowCount(), 2);
    Press(*window_, "cmdGo");
    QTRY_COMPARE(LabelText(*window_), QStringLiteral("Steps: 5"));
    Press(*window_, "cmdStop");
    const bool down = list->model()->index(0, 0).data().toString().contains(QStringLiteral("down"));
    QSignalSpy outlined(window_->findChild<QWidget*>(QStringLiteral("objectsWindow")),
                        SIGNAL(Outlined(int, int, int, int)));
    list->setCurrentIndex(list->model()->index(0, 0));
    QVERIFY(!outlined.isEmpty());
    // The glider named, by where it heads: the left one heads down, the right one up.
    CellSet left;
    CellSet right;
    const CellSet live = LiveCells(window_->board());
    const auto [fewest, most] = std::minmax_element(
        live.begin(), live.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    const int middle = (fewest->second + most->second) / 2;
    for (const auto& cell : live) {
        (cell.second < middle ? left : right).insert(cell);
    }
    const CellSet& named = down ? left : right;
    QRect box;
    for (const auto& [r, c] : named) {
        box |= QRect(c, r, 1, 1);
    }
    const QList<QVariant> last = outlined.takeLast();
    QCOMPARE(
        QRect(QPoint(last[1].toInt(), last[0].toInt()), QPoint(last[3].toInt(), last[2].toInt())),
        box);
}

void DisplayObjectsTest::objectsWindowLeavesTheCommandsInSight_data()
{
    QTest::addColumn<int>("screen");  // of the screens the test's configuration gives
    QTest::addColumn<bool>("beside"); // clear of the whole window, not only of the commands
    // The same for the population graph opened after it, which is no use narrower than 240
    // pixels: on 800 x 600 it goes over the board.
    QTest::addColumn<bool>("graphBeside");
    QTest::addColumn<bool>("graphFirst"); // opened before the window of objects

    QTest::newRow("1024 x 768, as a school projector") << 0 << true << true << false;
    QTest::newRow("1024 x 768, the graph first") << 0 << true << true << true;
    QTest::newRow("800 x 600, narrower") << 1 << true << false << false;
    QTest::newRow("640 x 480, over the board") << 2 << false << false << false;
}

// With the window in the middle of a small screen, the windows of objects and of the population
// cover none of its buttons or its count, and where they can, nothing of it nor of each other.
void DisplayObjectsTest::objectsWindowLeavesTheCommandsInSight()
{
    QFETCH(int, screen);
    QFETCH(bool, beside);
    QFETCH(bool, graphBeside);
    QFETCH(bool, graphFirst);
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").contains(QStringLiteral("objects_screens"))) {
        QSKIP("Only on the screens of support/objects_screens.json, in the run CTest makes.");
    }
    const QList<QScreen*> screens = QGuiApplication::screens();
    QCOMPARE_GT(screens.size(), screen);
    const QRect area = screens[screen]->availableGeometry();
    window_->move(area.center() - window_->rect().center());
    QTRY_COMPARE(window_->screen(), screens[screen]);
    PasteTwoGliders();
    // And the population graph after it, or before, each keeping clear of the other too.
    const auto openGraph = [this] {
        QApplication::setActiveWindow(window_.get());
        QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        auto* graph = window_->findChild<QWidget*>(QStringLiteral("populationWindow"));
        QTRY_VERIFY(graph->isVisible());
    };
    if (graphFirst) {
        openGraph();
    }
    QWidget* objects = OpenObjects();
    QTRY_VERIFY(objects->isVisible());
    if (!graphFirst) {
        openGraph();
    }
    auto* population = window_->findChild<QWidget*>(QStringLiteral("populationWindow"));
    for (const QWidget* side : {objects, population}) {
        const QRect placed = side->frameGeometry();
        const QString where = QStringLiteral("%1 at %2,%3 %4x%5")
                                  .arg(side->objectName())
                                  .arg(placed.x())
                                  .arg(placed.y())
                                  .arg(placed.width())
                                  .arg(placed.height());
        QVERIFY2(area.contains(placed), qPrintable(where));
        for (const char* name : {"cmdAllOn", "cmdAllOff", "cmdRandom", "cmdOneStep", "cmdGo",
                                 "cmdStop", "lblStepCount"}) {
            auto* control = window_->findChild<QWidget*>(QString::fromLatin1(name));
            const QRect command(control->mapToGlobal(QPoint(0, 0)), control->size());
            QVERIFY2(!placed.intersects(command), qPrintable(where + QLatin1Char(' ') + name));
        }
        QCOMPARE(!placed.intersects(window_->frameGeometry()),
                 side == objects ? beside : graphBeside);
    }
    if (graphBeside) {
        QVERIFY(!objects->frameGeometry().intersects(population->frameGeometry()));
    }
}

QTEST_MAIN(DisplayObjectsTest)
#include "display_objects_test.moc"
