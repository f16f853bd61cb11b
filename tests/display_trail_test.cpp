#include "support/board_helpers.h"
#include "support/display_probe.h"
#include "support/reference_model.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QSet>
#include <QTest>
#include <QToolTip>

#include <algorithm>
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

namespace {

QAction* ViewEntry(QWidget& window, const QString& text)
{
    const QList<QAction*> actions = window.findChildren<QAction*>();
    const auto found = std::find_if(actions.begin(), actions.end(),
                                    [&text](QAction* action) { return action->text() == text; });
    return found != actions.end() ? *found : nullptr;
}

// Every cell whose slot shows a mark, as a person sees it: a ring in the birth's green round a
// centre left black, a cross in the death's red through the centre, or anything else unclear.
QString MarksSeen(const QImage& image)
{
    constexpr QRgb born = quarn::testing::kOpaque | 0x00FF00;
    constexpr QRgb dying = quarn::testing::kOpaque | 0xB00000;
    const double ratio = image.devicePixelRatio();
    QStringList seen;
    for (int r = 1; r <= 30; ++r) {
        for (int c = 1; c <= 30; ++c) {
            QSet<QRgb> colours;
            for (int y = static_cast<int>((r - 1) * 11 * ratio); y < (r * 11 - 1) * ratio; ++y) {
                for (int x = static_cast<int>((c - 1) * 11 * ratio); x < (c * 11 - 1) * ratio;
                     ++x) {
                    colours.insert(image.pixel(x, y));
                }
            }
            const QRgb centre = PixelAt(image, CellCentre(r, c));
            const bool ring = !colours.contains(dying) && centre == quarn::testing::kDead;
            const bool cross = !colours.contains(born) && centre == dying;
            if (colours.contains(born) || colours.contains(dying)) {
                seen << QStringLiteral("%1 (%2, %3)")
                            .arg(ring != cross ? (ring ? "ring" : "cross") : "unclear")
                            .arg(r)
                            .arg(c);
            }
        }
    }
    return seen.join(QStringLiteral(", "));
}

// The marks the next generation calls for, worked out by the naive model.
QString MarksDue(const quarn::Board& board)
{
    quarn::testing::ReferenceModel now;
    for (const auto& [r, c] : quarn::testing::LiveCells(board)) {
        now.Toggle(r, c);
    }
    quarn::testing::ReferenceModel next = now;
    next.Step();
    QStringList due;
    for (int r = 1; r <= 30; ++r) {
        for (int c = 1; c <= 30; ++c) {
            if (now.At(r, c) != next.At(r, c)) {
                due << QStringLiteral("%1 (%2, %3)")
                           .arg(now.At(r, c) ? "cross" : "ring")
                           .arg(r)
                           .arg(c);
            }
        }
    }
    return due.join(QStringLiteral(", "));
}

} // namespace

class DisplayTrailTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void trailFollowsTheRun();
    void nextGenerationMarksFollowTheBoard();

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
    QAction* trail = ViewEntry(*window_, QStringLiteral("&Trail"));
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

// View ▸ Next Generation over an R-pentomino against the naive model's next generation: after
// a click, a step, a generation of a run and undo; the marks follow every change. The tip over a
// cell gives W's words; off, the board is as it always is.
void DisplayTrailTest::nextGenerationMarksFollowTheBoard()
{
    Paste(*window_, "x = 3, y = 3\nb2o$2o$bo!");
    QAction* marks = ViewEntry(*window_, QStringLiteral("&Next Generation"));
    QVERIFY(marks != nullptr && marks->isCheckable() && !marks->isChecked());
    QCOMPARE(MarksSeen(Grab(*window_)), QString());
    QTest::keyClick(window_.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(marks->isChecked());
    // Worked out by hand: the cells left of its top and its bottom row are born, and its
    // middle, with 4 live neighbours, dies.
    QCOMPARE(MarksSeen(Grab(*window_)),
             QStringLiteral("ring (14, 14), cross (15, 15), ring (16, 14)"));

    // A click in the corner, where half the neighbours are beyond the edge.
    quarn::testing::Click(PictureArea(*window_), CellCentre(1, 1));
    quarn::testing::Click(PictureArea(*window_), CellCentre(1, 2));
    quarn::testing::Click(PictureArea(*window_), CellCentre(2, 1));
    QCOMPARE(MarksSeen(Grab(*window_)), MarksDue(window_->board()));
    QVERIFY(MarksSeen(Grab(*window_)).startsWith(QStringLiteral("ring (2, 2)")));
    Press(*window_, "cmdOneStep");
    QCOMPARE(MarksSeen(Grab(*window_)), MarksDue(window_->board()));
    Press(*window_, "cmdGo");
    QTRY_COMPARE(quarn::testing::LabelText(*window_), QStringLiteral("Steps: 3"));
    Press(*window_, "cmdStop");
    QCOMPARE(MarksSeen(Grab(*window_)), MarksDue(window_->board()));
    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(quarn::testing::LabelText(*window_), QStringLiteral("Steps: 1"));
    QCOMPARE(MarksSeen(Grab(*window_)), MarksDue(window_->board()));

    // The tip over a cell: the live cell in the corner after a step has 3 live neighbours.
    QWidget* area = PictureArea(*window_);
    QHelpEvent help(QEvent::ToolTip, CellCentre(1, 1), area->mapToGlobal(CellCentre(1, 1)));
    QApplication::sendEvent(area, &help);
    QTRY_COMPARE(QToolTip::text(),
                 QStringLiteral("Row 1, column 1: live, 3 live neighbours: it lives on. Only 3 "
                                "of its 8 neighbours are on the board: the cells beyond the edge "
                                "are always dead."));

    marks->setChecked(false);
    QCOMPARE(MarksSeen(Grab(*window_)), QString());
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());
}

QTEST_MAIN(DisplayTrailTest)
#include "display_trail_test.moc"
