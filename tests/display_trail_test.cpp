#include "support/board_helpers.h"
#include "support/display_probe.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QToolTip>

#include <memory>
using quarn::testing::CellCentre;
using quarn::testing::CellSet;
using quarn::testing::Grab;
using quarn::testing::Paste;
using quarn::testing::PictureArea;
using quarn::testing::PictureMismatch;
using quarn::testing::PixelAt;
using quarn::testing::Press;

Q_DECLARE_METATYPE(CellSet)

class DisplayTrailTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void trailFollowsTheRun();

private:
    std::unique_ptr<frmDisplay> window_;
};

void DisplayTrailTest::init()
{
    window_ = std::make_unique<frmDisplay>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void DisplayTrailTest::cleanup()
{
    window_.reset();
}

// View ▸ Trail over a blinker, one step on: the ends of its first phase dead now, in the trail's
// colour; gone with a fill, back with undo, gone with redo; and D counts the cells life reached.
void DisplayTrailTest::trailFollowsTheRun()
{
    Paste(*window_, "x = 3, y = 1\n3o!");
    QAction* trail = nullptr;
    for (QAction* action : window_->findChildren<QAction*>()) {
        trail = action->text() == QStringLiteral("&Trail") ? action : trail;
    }
    QVERIFY(trail != nullptr && trail->isCheckable() && !trail->isChecked());
    trail->setChecked(true);
    Press(*window_, "cmdOneStep");
    constexpr QRgb lived = quarn::testing::kTrail;
    const auto trailed = [this] {
        CellSet cells;
        const QImage image = Grab(*window_);
        for (int r = 1; r <= 30; ++r) {
            for (int c = 1; c <= 30; ++c) {
                if (PixelAt(image, CellCentre(r, c)) == lived) {
                    cells.insert({r, c});
                }
            }
        }
        return cells;
    };
    const CellSet ends{{15, 14}, {15, 16}};
    QCOMPARE(trailed(), ends);
    QCOMPARE(PixelAt(Grab(*window_), CellCentre(14, 15)), quarn::testing::kLive);
    QTest::keyClick(PictureArea(*window_), Qt::Key_D);
    QVERIFY2(QToolTip::text().endsWith(QStringLiteral("Life has reached 5 of 900 cells.")),
             qPrintable(QToolTip::text()));
    Press(*window_, "cmdAllOff");
    QCOMPARE(trailed(), CellSet{});
    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(trailed(), ends);
    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(trailed(), CellSet{});
    // Off, the board is drawn as it always is.
    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
    trail->setChecked(false);
    QCOMPARE(trailed(), CellSet{});
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());
}

QTEST_MAIN(DisplayTrailTest)
#include "display_trail_test.moc"
