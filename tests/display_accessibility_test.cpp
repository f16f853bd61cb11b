#include "features/editing/board_cursor.h"
#include "support/display_probe.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>
#include <memory>
#include <private/qguiapplication_p.h>
#include <vector>

using quarn::testing::CellCentre;
using quarn::testing::PictureArea;
using quarn::testing::Press;

namespace {

struct TableChange
{
    QObject* object;
    int firstRow;
    int firstColumn;
    int lastRow;
    int lastColumn;
};

std::vector<TableChange> changes;
int descriptionChanges = 0;
// Events about single cells: a name change on a toggle, focus for the cursor.
std::vector<std::pair<QAccessible::Event, QAccessibleInterface*>> cellEvents;
// What the status bar's notification said, each time it showed; and which notification showed,
// whose words a screen reader reads some time later.
QStringList spoken;
std::vector<QAccessible::Id> shown;

void RecordUpdate(QAccessibleEvent* event)
{
    QAccessibleInterface* source = event->accessibleInterface();
    if (source != nullptr && source->role() == QAccessible::Notification) {
        if (event->type() == QAccessible::ObjectShow && !source->state().invisible) {
            spoken.push_back(source->text(QAccessible::Name));
            shown.push_back(QAccessible::uniqueId(source));
        }
    } else if (event->object() == nullptr) {
        cellEvents.emplace_back(event->type(), source);
    } else if (event->type() == QAccessible::DescriptionChanged) {
        ++descriptionChanges;
    } else if (event->type() == QAccessible::TableModelChanged) {
        const auto* change = static_cast<QAccessibleTableModelChangeEvent*>(event);
        changes.push_back({event->object(), change->firstRow(), change->firstColumn(),
                           change->lastRow(), change->lastColumn()});
    }
}

QAccessibleTableInterface* Table(QWidget& window)
{
    QAccessibleInterface* area = QAccessible::queryAccessibleInterface(PictureArea(window));
    return area != nullptr ? area->tableInterface() : nullptr;
}

QString CellName(QWidget& window, int row, int column)
{
    return Table(window)->cellAt(row - 1, column - 1)->text(QAccessible::Name);
}

} // namespace

// The accessible tree as assistive technology reads it, through Qt's QAccessible API.
class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsCarryTheirCaptions_data();
    void controlsCarryTheirCaptions();
    void boardIsAThirtyByThirtyTable();
    void cellsReportRowColumnAndState();
    void changesAreAnnouncedAsTableChanges_data();
    void changesAreAnnouncedAsTableChanges();
    void toggleAnnouncesOneCell();
    void announcementsSayWhatHappened_data();
    void announcementsSayWhatHappened();
    void windowIsAWindow();
    void objectsWindowOpensWithItsFate();
    void everyCellAnswers();
    void cursorIsTheFocusedCell();
    void toggleActionTogglesTheCell();

private:
    std::unique_ptr<frmDisplay> window_;
};

void AccessibilityTest::initTestCase()
{
    // Stand in for an assistive technology switching accessibility on, as a desktop's screen
    // reader does; the offscreen platform otherwise leaves it off.
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY2(platform != nullptr, "this platform has no accessibility support");
    platform->setActive(true);
    QAccessible::installUpdateHandler(RecordUpdate);
}

void AccessibilityTest::init()
{
    window_ = std::make_unique<frmDisplay>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    changes.clear();
    descriptionChanges = 0;
    cellEvents.clear();
    spoken.clear();
    shown.clear();
}

void AccessibilityTest::cleanup()
{
    window_.reset();
}

void AccessibilityTest::controlsCarryTheirCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("text");

    const int button = QAccessible::Button;
    QTest::newRow("All On") << "cmdAllOn" << button << "All On";
    QTest::newRow("All Off") << "cmdAllOff" << button << "All Off";
    QTest::newRow("Random") << "cmdRandom" << button << "Random";
    QTest::newRow("1 Step") << "cmdOneStep" << button << "1 Step";
    QTest::newRow("Go") << "cmdGo" << button << "Go";
    QTest::newRow("Stop") << "cmdStop" << button << "Stop";
    QTest::newRow("label") << "lblStepCount" << int(QAccessible::StatusBar) << "Steps: 0";
}

void AccessibilityTest::controlsCarryTheirCaptions()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QString, text);

    QAccessibleInterface* control =
        QAccessible::queryAccessibleInterface(window_->findChild<QWidget*>(name));
    QVERIFY(control != nullptr);
    QCOMPARE(int(control->role()), role);
    QCOMPARE(control->text(QAccessible::Name), text);
}

void AccessibilityTest::boardIsAThirtyByThirtyTable()
{
    QAccessibleInterface* area = QAccessible::queryAccessibleInterface(PictureArea(*window_));
    QVERIFY(area != nullptr);
    QCOMPARE(area->role(), QAccessible::Canvas);
    QCOMPARE(area->text(QAccessible::Name), QStringLiteral("Board"));
    QCOMPARE(area->childCount(), 900);
    QAccessibleTableInterface* table = area->tableInterface();
    QVERIFY(table != nullptr);
    QCOMPARE(table->rowCount(), 30);
    QCOMPARE(table->columnCount(), 30);
    QVERIFY(table->cellAt(30, 0) == nullptr);

    // The table is reachable from the window, as a screen reader walks it.
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window_.get());
    QVERIFY(root->indexOfChild(area) >= 0);
    QCOMPARE(area->parent()->object(), window_.get());
}

void AccessibilityTest::cellsReportRowColumnAndState()
{
    QTest::mouseClick(PictureArea(*window_), Qt::LeftButton, {}, CellCentre(3, 7));

    QAccessibleInterface* cell = Table(*window_)->cellAt(2, 6);
    QVERIFY(cell != nullptr);
    QCOMPARE(cell->role(), QAccessible::Cell);
    QAccessibleTableCellInterface* place = cell->tableCellInterface();
    QVERIFY(place != nullptr);
    QCOMPARE(place->rowIndex(), 2);
    QCOMPARE(place->columnIndex(), 6);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("live"));
    QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("Row 3, column 7 of the Board"));
    QCOMPARE(CellName(*window_, 3, 8), QStringLiteral("dead"));
    QVERIFY(cell->state().focusable);

    // The cell sits where it is drawn: the pointer over its centre finds it.
    const QPoint centre = PictureArea(*window_)->mapToGlobal(CellCentre(3, 7));
    QCOMPARE(QAccessible::queryAccessibleInterface(PictureArea(*window_))
                 ->childAt(centre.x(), centre.y()),
             cell);
    QVERIFY(cell->rect().contains(centre));
}

void AccessibilityTest::changesAreAnnouncedAsTableChanges_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("1 Step") << "cmdOneStep";
    QTest::newRow("All On") << "cmdAllOn";
    QTest::newRow("All Off") << "cmdAllOff";
    QTest::newRow("Random") << "cmdRandom";
}

void AccessibilityTest::changesAreAnnouncedAsTableChanges()
{
    QFETCH(QString, button);

    // From a board with live cells, so that every cell's name is put to the test.
    Press(*window_, "cmdRandom");
    changes.clear();
    descriptionChanges = 0;
    spoken.clear();
    Press(*window_, qPrintable(button));
    QCOMPARE(changes.size(), std::size_t{1});
    QCOMPARE(changes[0].object, PictureArea(*window_));
    QCOMPARE(changes[0].firstRow, 0);
    QCOMPARE(changes[0].lastRow, 29);
    QCOMPARE(changes[0].lastColumn, 29);
    QCOMPARE(descriptionChanges, 1); // the one that reaches AT-SPI
    QCOMPARE(spoken.size(), 1);

    // What the table reports afterwards is the board as it now is.
    int alive = 0;
    for (int row = 1; row <= quarn::Board::kFieldSize; ++row) {
        for (int column = 1; column <= quarn::Board::kFieldSize; ++column) {
            const bool live = window_->board().CellAt(static_cast<std::int16_t>(row),
                                                      static_cast<std::int16_t>(column)) != 0;
            alive += live ? 1 : 0;
            QCOMPARE(CellName(*window_, row, column),
                     live ? QStringLiteral("live") : QStringLiteral("dead"));
        }
    }
    QVERIFY(QAccessible::queryAccessibleInterface(PictureArea(*window_))
                ->text(QAccessible::Description)
                .endsWith(QStringLiteral("; %1 live").arg(alive)));
}

void AccessibilityTest::toggleAnnouncesOneCell()
{
    QTest::mouseClick(PictureArea(*window_), Qt::LeftButton, {}, CellCentre(12, 4));
    QVERIFY(changes.empty());
    // Its new name; and, as the board has the focus, the cursor following the click.
    using Event = std::pair<QAccessible::Event, QAccessibleInterface*>;
    QAccessibleInterface* cell = Table(*window_)->cellAt(11, 3);
    QCOMPARE(cellEvents,
             (std::vector<Event>{{QAccessible::NameChanged, cell}, {QAccessible::Focus, cell}}));
    QCOMPARE(CellName(*window_, 12, 4), QStringLiteral("live"));
}

void AccessibilityTest::announcementsSayWhatHappened_data()
{
    QTest::addColumn<QString>("done"); // keys on the board, then buttons pressed
    QTest::addColumn<QString>("said");

    QTest::newRow("a cell switched on") << "Space"
                                        << "live";
    QTest::newRow("and off again") << "Space Return"
                                   << "live | dead";
    QTest::newRow("S") << "Space S"
                       << "live | Step 0, 1 live";
    QTest::newRow("undo") << "Space Ctrl+Z"
                          << "live | Undo Toggle: step 0, 0 live";
    QTest::newRow("1 Step") << "cmdOneStep"
                            << "Step 1, 0 live";
    QTest::newRow("a fill") << "cmdAllOn"
                            << "All on, 900 live";
    QTest::newRow("a run") << "cmdGo cmdStop"
                           << "Running | Stopped at step 0";
    QTest::newRow("N on an empty board") << "N"
                                         << "The board is empty: no live cells.";
    QTest::newRow("N: the object's line, then where the cursor went")
        << "Paste:bo$2bo$3o! N"
        << "Pattern loaded, 5 live | Glider at row 14, column 14, heading down and to the right. "
           "Cursor on row 14, column 15.";
    // The population graph, walked point by point from the step the board is at.
    QTest::newRow("the graph's moves and summary, ties at their first step")
        << "Paste:3o! cmdOneStep*2 Ctrl+Shift+P Graph Left Home S"
        << "Pattern loaded, 3 live | Step 1, 3 live | Step 2, 3 live | Step 1: 3 live cells, 2 "
           "born, 2 died. | Step 0: 3 live cells, 0 born, 0 died. | From step 0 to step 2: 3 live "
           "cells at the start, at most 3 at step 0, at least 3 at step 0, 3 now. The board has "
           "repeated every 2 steps since step 0, as a blinker.";
    QTest::newRow("the graph's steps ahead, the highest and the lowest")
        << "Paste:bo$2bo$3o! Ctrl+Shift+P Graph Right End H L"
        << "Pattern loaded, 5 live | Step 1, ahead: 5 live cells. | Step 59, ahead: 4 live cells. "
           "| Step 0: 5 live cells, 0 born, 0 died. | Step 58, ahead: 3 live cells.";
    // A blinker's graph shows a whole period ahead of the board.
    QTest::newRow("a fill's new graph has no point marked: Right goes on from the board's step")
        << "Paste:3o! cmdOneStep*2 Ctrl+Shift+P Graph End cmdAllOn Right"
        << "Pattern loaded, 3 live | Step 1, 3 live | Step 2, 3 live | Step 4, ahead: 3 live "
           "cells. | All on, 900 live | Step 1, ahead: 4 live cells.";
    QTest::newRow("undo takes the graph's marker off: Right goes on from the board's step")
        << "Paste:bo$2bo$3o! cmdOneStep*2 Ctrl+Shift+P Graph Home Ctrl+Z Right"
        << "Pattern loaded, 5 live | Step 1, 5 live | Step 2, 5 live | Step 0: 5 live cells, 0 "
           "born, 0 died. | Undo 1 Step: step 1, 5 live | Step 2, ahead: 5 live cells.";
    QTest::newRow("the graph heard with no sound output: said once, and the graph goes on")
        << "Paste:3o! Ctrl+Shift+P Graph P P Right"
        << "Pattern loaded, 3 live | No sound output is available. | Step 1, ahead: 3 live "
           "cells.";
    QTest::newRow("the trail, the sound and a copy said, in the graph's window too")
        << "Ctrl+Shift+T Paste:3o! Ctrl+C Ctrl+Shift+P Graph Ctrl+Shift+T Ctrl+Shift+H"
        << "Trail shown. | Pattern loaded, 3 live | Copied the board as a pattern. | Trail "
           "hidden. | Sound while running on.";
    QTest::newRow("Stop with nothing running says nothing") << "S cmdStop"
                                                            << "Step 0, 0 live";
    QTest::newRow("R runs and stops, from the board and from the graph")
        << "R R Ctrl+Shift+P Graph R R"
        << "Running | Stopped at step 0 | Running | Stopped at step 0";
    QTest::newRow("the graph of an empty board")
        << "Ctrl+Shift+P Graph S"
        << "At step 0: 0 live cells. The board is empty: no live cells.";
    // W round a blinker standing on the left edge, and in the corner: the neighbours beyond
    // the edge are none.
    QTest::newRow("W: lives on, is born, dies alone, stays dead")
        << "Ctrl+Home Down Right Space Down Space Down Space Up W Left W Up Right W Up Left W"
        << "live | live | live | Row 3, column 2: live, 2 live neighbours: it lives on. | Row 3, "
           "column 1: dead, 3 live neighbours: it is born at the next step. Only 5 of its 8 "
           "neighbours are on the board: the cells beyond the edge are always dead. | Row 2, "
           "column 2: live, 1 live neighbour: it dies at the next step, with fewer than 2. | Row "
           "1, column 1: dead, 1 live neighbour: it stays dead. Only 3 of its 8 neighbours are on "
           "the board: the cells beyond the edge are always dead.";
    QTest::newRow("W: the middle of an X dies of crowding; W changes nothing")
        << "Paste:obo$bob$obo! PgDown Down*4 Right*14 W S"
        << "Pattern loaded, 5 live | Row 15, column 15: live, 4 live neighbours: it dies at the "
           "next step, with more than 3. | Step 0, 5 live";
    // An L of three cells, whose corner is born: one birth, no death; and a blinker's two and
    // two. Off, D says no counts.
    QTest::newRow("the next generation's counts end D while its marks show")
        << "Ctrl+Shift+N Paste:2o$o! D Paste:3o! D Ctrl+Shift+N D"
        << "Next generation shown. | Pattern loaded, 3 live | 3 live cells in 1 object: a "
           "changing group of 3 cells. The board settles at step 1 into a block. At the next step "
           "1 cell is born and 0 die. Next, at step 1: a block forms at row 15, column 15. | "
           "Pattern loaded, 3 live | 3 live cells in 1 object: a "
           "blinker. The board repeats every 2 steps from step 0, as a blinker. At the next step "
           "2 cells are born and 2 die. | Next generation hidden. | 3 live cells in 1 object: a "
           "blinker. The board repeats every 2 steps from step 0, as a blinker.";
    // The glider example's moments, as --moments prints them: M runs to each and stops there,
    // Shift+M goes back one, undo takes the travel back, and D ends with the next.
    QTest::newRow("M runs to each moment, Shift+M goes back, D says the next; a load, a new way")
        << "Paste:bo$2bo$3o! D M Idle M Idle M Shift+M Ctrl+Z Shift+M Shift+M Shift+M Paste:2o$o! "
           "M Idle"
        << "Pattern loaded, 5 live | 5 live cells in 1 object: a glider. The board settles at step "
           "59 into a block. Next, at step 57: the glider at row 29, column 28 meets the edge. | "
           "Running to step 57. | Step 57: the glider at row 29, column 28 meets the edge. | "
           "Running to step 59. | Step 59: a block forms at row 29, column 29. Step 59: the board "
           "settles into a block. | No moment ahead. | Step 57: the glider at row 29, column 28 "
           "meets the edge. | Undo Go Back to Step 57: step 59, 4 live | Step 57: the glider at "
           "row 29, column 28 meets the edge. | Step 0, 5 live | No moment before: this is where "
           "the way began. | Pattern loaded, 3 live | Running to step 1. | Step 1: a block forms "
           "at row 15, column 15. Step 1: the board settles into a block.";
    // In the graph, at once after a load: M and Shift+M mark the moments and say them, Enter
    // takes the board to the one marked.
    QTest::newRow("M, Shift+M and Enter in the graph")
        << "Paste:bo$2bo$3o! Ctrl+Shift+P Graph M M M Shift+M Return"
        << "Pattern loaded, 5 live | Step 57, ahead: 4 live cells. Step 57: the glider at row 29, "
           "column 28 meets the edge. | Step 59, ahead: 4 live cells. Step 59: a block forms at "
           "row 29, column 29. Step 59: the board settles into a block. | No moment after this "
           "step. | Step 57, ahead: 4 live cells. Step 57: the glider at row 29, column 28 meets "
           "the edge. | Step 57: the glider at row 29, column 28 meets the edge.";
    QTest::newRow("D, then N from the last object round to the first")
        << "Space Right Right Right Space D N"
        << "live | live | 2 live cells in 2 objects: 2 lone cells. The board dies out at step 1. | "
           "Lone cell at row 1, column 1. Cursor on row 1, column 1.";
}

// What the status bar's notification says, which a screen reader speaks where the focus is.
void AccessibilityTest::announcementsSayWhatHappened()
{
    QFETCH(QString, done);
    QFETCH(QString, said);

    QApplication::setActiveWindow(window_.get());
    QStringList steps;
    for (const QString& step : done.split(QLatin1Char(' '))) {
        // A step*n is the step n times over.
        const int times = std::max(1, step.section(QLatin1Char('*'), 1).toInt());
        for (int i = 0; i < times; ++i) {
            steps << step.section(QLatin1Char('*'), 0, 0);
        }
    }
    for (const QString& step : steps) {
        if (step.startsWith(QStringLiteral("cmd"))) {
            Press(*window_, qPrintable(step));
        } else if (step == QStringLiteral("Idle")) {
            // Until a run that stops by itself has stopped.
            QTRY_COMPARE_WITH_TIMEOUT(quarn::testing::Interval(*window_), 0, 20000);
        } else if (step == QStringLiteral("Graph")) {
            QTRY_COMPARE(QApplication::focusWidget()->objectName(),
                         QStringLiteral("populationGraph"));
        } else if (step.startsWith(QStringLiteral("Paste:"))) {
            QApplication::clipboard()->setText(step.mid(6));
            QTest::keyClick(window_.get(), Qt::Key_V, Qt::ControlModifier);
        } else {
            const QKeyCombination key = QKeySequence(step)[0];
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        }
    }
    QCOMPARE(spoken.join(QStringLiteral(" | ")), said);
    // Read once the keys are done, as a screen reader behind them reads: each its own words.
    QStringList heard;
    for (const QAccessible::Id id : shown) {
        heard << QAccessible::accessibleInterface(id)->text(QAccessible::Name);
    }
    QCOMPARE(heard.join(QStringLiteral(" | ")), said);
}

// The window reaches a screen reader as a window with its title, not as a nameless filler.
void AccessibilityTest::windowIsAWindow()
{
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window_.get());
    QCOMPARE(root->role(), QAccessible::Window);
    QCOMPARE(root->text(QAccessible::Name), QStringLiteral("Game of Quarn"));
}

// Every index answers, and the mapping from children to indices and back is exact: the holes
// through which screen readers have crashed Qt's own tables.
// Opening the window of objects: a dialog named once, its list named by the fate and counting
// the objects, nothing in it chosen, and the board's cursor where it was.
void AccessibilityTest::objectsWindowOpensWithItsFate()
{
    QApplication::setActiveWindow(window_.get());
    QApplication::clipboard()->setText(QStringLiteral("x = 12, y = 7\nbo$2bo$3o2$9b3o$9bo$10bo!"));
    QTest::keyClick(window_.get(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    auto* objects = window_->findChild<QWidget*>(QStringLiteral("objectsWindow"));
    QTRY_VERIFY(objects->isVisible());
    QTRY_VERIFY(objects->findChild<QWidget*>("objectsList")->hasFocus());
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(objects);
    QCOMPARE(dialog->role(), QAccessible::Dialog);
    QCOMPARE(dialog->text(QAccessible::Name), QStringLiteral("Objects"));
    QAccessibleInterface* list =
        QAccessible::queryAccessibleInterface(objects->findChild<QWidget*>("objectsList"));
    QCOMPARE(list->role(), QAccessible::List);
    QCOMPARE(list->text(QAccessible::Name),
             QStringLiteral("The board settles at step 27 into 4 blocks."));
    QCOMPARE(list->tableInterface()->rowCount(), 2);
    QCOMPARE(list->tableInterface()->selectedCellCount(), 0);
    QCOMPARE(list->focusChild(), nullptr); // no entry to say
    const auto* cursor = PictureArea(*window_)->findChild<quarn::BoardCursor*>();
    QCOMPARE(QPoint(cursor->Row(), cursor->Column()), QPoint(1, 1));
}

void AccessibilityTest::everyCellAnswers()
{
    QAccessibleInterface* area = QAccessible::queryAccessibleInterface(PictureArea(*window_));
    QAccessibleTableInterface* table = area->tableInterface();
    for (int index = 0; index < 900; ++index) {
        QAccessibleInterface* cell = area->child(index);
        QVERIFY(cell != nullptr);
        QCOMPARE(area->indexOfChild(cell), index);
        QCOMPARE(table->cellAt(index / 30, index % 30), cell);
        QCOMPARE(cell->parent(), area);
    }
    for (const QPoint outside : {QPoint(-1, 0), QPoint(0, -1), QPoint(30, 0), QPoint(0, 30)}) {
        QVERIFY(table->cellAt(outside.x(), outside.y()) == nullptr);
    }
    QVERIFY(area->child(900) == nullptr);
    QVERIFY(area->child(-1) == nullptr);
}

// With the board focused, the cursor cell is the focused cell, and moving it says so.
void AccessibilityTest::cursorIsTheFocusedCell()
{
    QAccessibleInterface* area = QAccessible::queryAccessibleInterface(PictureArea(*window_));
    QApplication::setActiveWindow(window_.get());
    QVERIFY(PictureArea(*window_)->hasFocus());
    QCOMPARE(area->focusChild(), Table(*window_)->cellAt(0, 0));
    QVERIFY(area->focusChild()->state().focused);

    cellEvents.clear();
    QTest::keyClick(PictureArea(*window_), Qt::Key_Down);
    QTest::keyClick(PictureArea(*window_), Qt::Key_Right);
    QCOMPARE(area->focusChild(), Table(*window_)->cellAt(1, 1));
    QVERIFY(!Table(*window_)->cellAt(0, 0)->state().focused);
    QCOMPARE(cellEvents.size(), std::size_t{2});
    QCOMPARE(cellEvents[1].first, QAccessible::Focus);
    QCOMPARE(cellEvents[1].second, Table(*window_)->cellAt(1, 1));

    // Away from the board, nothing on it has the focus.
    QTest::keyClick(PictureArea(*window_), Qt::Key_Tab);
    QVERIFY(area->focusChild() == nullptr);
    QVERIFY(!Table(*window_)->cellAt(1, 1)->state().focused);
}

// A screen reader's "activate" on a cell does what a click does.
void AccessibilityTest::toggleActionTogglesTheCell()
{
    QAccessibleInterface* cell = Table(*window_)->cellAt(6, 8);
    QAccessibleActionInterface* actions = cell->actionInterface();
    QVERIFY(actions != nullptr);
    QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::toggleAction()});
    actions->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(window_->board().CellAt(7, 9), 1);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("live"));
    QCOMPARE(quarn::testing::PixelAt(quarn::testing::Grab(*window_), CellCentre(7, 9)),
             quarn::testing::kLive);
    QCOMPARE(quarn::testing::LabelText(*window_), QStringLiteral("Steps: 0"));
    actions->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(window_->board().CellAt(7, 9), 0);
}

QTEST_MAIN(AccessibilityTest)
#include "display_accessibility_test.moc"
