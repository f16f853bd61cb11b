#include "support/display_probe.h"

#include <QAccessible>
#include <QTest>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

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
int spokenAnnouncements = 0;

void RecordUpdate(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::TableModelChanged) {
        const auto* change = static_cast<QAccessibleTableModelChangeEvent*>(event);
        changes.push_back({event->object(), change->firstRow(), change->firstColumn(),
                           change->lastRow(), change->lastColumn()});
    } else if (event->type() == QAccessible::Alert) {
        ++spokenAnnouncements;
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
    spokenAnnouncements = 0;
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
    QTest::newRow("label") << "lblStepCount" << int(QAccessible::StaticText) << "Steps: 0";
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
    QCOMPARE(area->role(), QAccessible::Table);
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
    QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("Row 3, column 7"));
    QCOMPARE(CellName(*window_, 3, 8), QStringLiteral("dead"));
    QVERIFY(cell->state().readOnly);

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

    Press(*window_, qPrintable(button));
    QCOMPARE(changes.size(), std::size_t{1});
    QCOMPARE(changes[0].object, PictureArea(*window_));
    QCOMPARE(changes[0].firstRow, 0);
    QCOMPARE(changes[0].lastRow, 29);
    QCOMPARE(changes[0].lastColumn, 29);
    QCOMPARE(spokenAnnouncements, 0);

    // What the table reports afterwards is the board as it now is.
    for (int row = 1; row <= quarn::Board::kFieldSize; ++row) {
        for (int column = 1; column <= quarn::Board::kFieldSize; ++column) {
            const bool live = window_->board().CellAt(static_cast<std::int16_t>(row),
                                                      static_cast<std::int16_t>(column)) != 0;
            QCOMPARE(CellName(*window_, row, column),
                     live ? QStringLiteral("live") : QStringLiteral("dead"));
        }
    }
}

void AccessibilityTest::toggleAnnouncesOneCell()
{
    QTest::mouseClick(PictureArea(*window_), Qt::LeftButton, {}, CellCentre(12, 4));
    QCOMPARE(changes.size(), std::size_t{1});
    QCOMPARE(changes[0].firstRow, 11);
    QCOMPARE(changes[0].lastRow, 11);
    QCOMPARE(changes[0].firstColumn, 3);
    QCOMPARE(changes[0].lastColumn, 3);
    QCOMPARE(CellName(*window_, 12, 4), QStringLiteral("live"));
}

QTEST_MAIN(AccessibilityTest)
#include "display_accessibility_test.moc"
