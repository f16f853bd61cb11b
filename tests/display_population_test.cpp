#include "features/population/population_graph.h"
#include "support/board_helpers.h"
#include "support/display_probe.h"
#include "support/reference_model.h"

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QListView>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <memory>
using quarn::testing::ClickTwips;
using quarn::testing::Paste;
using quarn::testing::PictureArea;
using quarn::testing::Press;

class DisplayPopulationTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void populationFollowsTheBoard();
    void graphDrawnInPartsIsTheGraphDrawnWhole();
    void populationLineIsWhereItShouldBe();
    void graphReadAtAGlance();
    void travelThroughTheWay_data();
    void travelThroughTheWay();
    void momentsWindowFollowsTheBoard();

private:
    std::unique_ptr<frmDisplay> window_;
};

void DisplayPopulationTest::init()
{
    window_ = std::make_unique<frmDisplay>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void DisplayPopulationTest::cleanup()
{
    window_.reset();
}

namespace {

// The steps as a model of the rule counts them, one row each: the past as the test went, and
// then the steps ahead, run on the model, to the step given.
class Counted
{
public:
    void Reset(const quarn::testing::ReferenceModel& model)
    {
        rows_.clear();
        before_ = model;
        Add(model);
    }
    void Stepped(const quarn::testing::ReferenceModel& model)
    {
        before_ = now_;
        Add(model);
    }
    void Edited(const quarn::testing::ReferenceModel& model)
    {
        rows_.pop_back();
        Add(model);
    }
    QString Csv(int until) const
    {
        QString csv = QStringLiteral("step,live,born,died,ahead\n") + rows_.join(QString());
        quarn::testing::ReferenceModel ahead = now_;
        for (int step = now_.Count() + 1; step <= until; ++step) {
            const quarn::testing::ReferenceModel was = ahead;
            ahead.Step();
            csv += Row(was, ahead, true);
        }
        return csv;
    }

private:
    void Add(const quarn::testing::ReferenceModel& model)
    {
        now_ = model;
        rows_ << Row(before_, model, false);
    }
    static QString Row(const quarn::testing::ReferenceModel& was,
                       const quarn::testing::ReferenceModel& is, bool ahead)
    {
        int live = 0;
        int born = 0;
        int died = 0;
        for (int r = 1; r <= 30; ++r) {
            for (int c = 1; c <= 30; ++c) {
                live += is.At(r, c) ? 1 : 0;
                born += is.At(r, c) && !was.At(r, c) ? 1 : 0;
                died += !is.At(r, c) && was.At(r, c) ? 1 : 0;
            }
        }
        return QStringLiteral("%1,%2,%3,%4,%5\n")
            .arg(is.Count())
            .arg(live)
            .arg(born)
            .arg(died)
            .arg(ahead ? 1 : 0);
    }

    QStringList rows_;
    quarn::testing::ReferenceModel before_;
    quarn::testing::ReferenceModel now_;
};

} // namespace

// The graph's steps, copied with Ctrl+C, against a model's count: the glider, three steps, a
// cell switched on far from it, two more; then a fill that starts anew, and undo and redo that
// bring back the graph that went with each board.
void DisplayPopulationTest::populationFollowsTheBoard()
{
    Paste(*window_, "x = 3, y = 3\nbo$2bo$3o!");
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    auto* graph = window_->findChild<QWidget*>(QStringLiteral("populationGraph"));
    QTRY_VERIFY(graph->isVisible());
    const auto copied = [graph] {
        QApplication::clipboard()->clear();
        QTest::keyClick(graph, Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->text();
    };
    quarn::testing::ReferenceModel model;
    for (const auto& [r, c] : {std::pair{14, 15}, {15, 16}, {16, 14}, {16, 15}, {16, 16}}) {
        model.Toggle(r, c);
    }
    Counted counted;
    counted.Reset(model);
    for (int step = 1; step <= 5; ++step) {
        Press(*window_, "cmdOneStep");
        model.Step();
        counted.Stepped(model);
        if (step == 3) {
            ClickTwips(*window_, 165 * 1 + 80, 165 * 1 + 80);
            model.Toggle(2, 2);
            counted.Edited(model);
        }
    }
    // The glider settles in the corner at step 59, as its example says; the lone cell is gone.
    const QString glider = copied();
    QCOMPARE(glider, counted.Csv(59));
    Press(*window_, "cmdAllOn");
    const QString fill = QStringLiteral("step,live,born,died,ahead\n0,900,0,0,0\n1,4,0,896,1\n"
                                        "2,0,0,4,1\n");
    QCOMPARE(copied(), fill);
    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(copied(), glider);
    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(copied(), fill);
}

// A blinker's graph is a flat line at 3 of the axis' 10, the height of the pixels drawn in the
// past's colour along the steps shown.
void DisplayPopulationTest::populationLineIsWhereItShouldBe()
{
    Paste(*window_, "x = 3, y = 1\n3o!");
    for (int step = 0; step < 6; ++step) {
        Press(*window_, "cmdOneStep");
    }
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    auto* graph = window_->findChild<QWidget*>(QStringLiteral("populationGraph"));
    QTRY_VERIFY(graph->isVisible());
    const QImage image = graph->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double ratio = image.devicePixelRatio();
    // The axis along the bottom, and the highest grid line, at 10.
    const QRgb axis = qRgb(0x60, 0x60, 0x60);
    const QRgb grid = qRgb(0xE4, 0xE4, 0xE4);
    const QRgb past = qRgb(0x1A, 0x4F, 0x9C);
    const int x = image.width() / 2;
    int bottom = -1;
    int top = -1;
    for (int y = 0; y < image.height(); ++y) {
        bottom = image.pixel(x, y) == axis ? y : bottom;
        top = top < 0 && image.pixel(x, y) == grid ? y : top;
    }
    QVERIFY(bottom > 0 && top > 0);
    const double flat = bottom - 0.3 * (bottom - top);
    int drawn = 0;
    for (int column = 0; column < image.width(); ++column) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(column, y) == past) {
                ++drawn;
                QVERIFY2(
                    std::abs(y - flat) <= 2 * ratio,
                    qPrintable(QStringLiteral("(%1, %2), not at %3").arg(column).arg(y).arg(flat)));
            }
        }
    }
    QVERIFY(drawn > 0);
    // The marker to the first step and away again: the axis and its labels as they were.
    QTest::keyClick(graph, Qt::Key_Home);
    QTest::keyClick(graph, Qt::Key_End);
    const QImage again = graph->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect left(3, 3, image.width() / 4, image.height() - 6);
    QVERIFY(again.copy(left) == image.copy(left));
}

// The graph drawn a strip at a time while the board runs is the graph drawn whole.
void DisplayPopulationTest::graphDrawnInPartsIsTheGraphDrawnWhole()
{
    Press(*window_, "cmdRandom");
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    auto* graph = window_->findChild<QWidget*>(QStringLiteral("populationGraph"));
    QTRY_VERIFY(graph->isVisible());
    Press(*window_, "cmdGo");
    QTRY_VERIFY_WITH_TIMEOUT(window_->board().StepCount() >= 36, 10000);
    Press(*window_, "cmdStop");
    const QImage inParts = graph->grab().toImage();
    // Resized, the graph is drawn whole; and again at the size it had.
    QWidget* side = graph->window();
    const QSize size = side->size();
    side->resize(size + QSize(40, 0));
    QTRY_COMPARE(side->size(), size + QSize(40, 0));
    side->resize(size);
    QTRY_COMPARE(side->size(), size);
    // Alike but for the smoothing of the line's edges, which may differ by a shade where a strip
    // began: a mark, a colour or a piece of line left over differs by far more.
    const QImage whole = graph->grab().toImage();
    QCOMPARE(whole.size(), inParts.size());
    int differ = 0;
    for (int y = 0; y < whole.height(); ++y) {
        for (int x = 0; x < whole.width(); ++x) {
            const QRgb a = whole.pixel(x, y);
            const QRgb b = inParts.pixel(x, y);
            const int most = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                       std::abs(qBlue(a) - qBlue(b))});
            differ += most > 8 ? 1 : 0;
        }
    }
    QCOMPARE(differ, 0);
}

// The R-pentomino's graph at its default size: its words in a tip where the pointer rests and
// where the keys take the marker, which goes once the board moves on; and its last step label,
// 250, whole inside the window's edge.
void DisplayPopulationTest::graphReadAtAGlance()
{
    Paste(*window_, "x = 3, y = 3\nb2o$2o$bo!");
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    auto* graph = window_->findChild<quarn::PopulationGraph*>(QStringLiteral("populationGraph"));
    QTRY_VERIFY(graph->isVisible() && graph->hasFocus());
    // The model's count: the most live cells, first reached at a step ahead; and the count at
    // step 204, a whole period of 2 past the step 202 the board repeats from.
    quarn::testing::ReferenceModel model;
    for (const auto& [r, c] : quarn::testing::LiveCells(window_->board())) {
        model.Toggle(r, c);
    }
    std::pair<int, int> most{0, 0}; // live, step
    int end = 0;
    for (int step = 0; step <= 204; ++step) {
        int live = 0;
        for (int r = 1; r <= 30; ++r) {
            for (int c = 1; c <= 30; ++c) {
                live += model.At(r, c) ? 1 : 0;
            }
        }
        most = live > most.first ? std::pair{live, step} : most;
        end = live;
        model.Step();
    }
    QCOMPARE(most, std::pair(109, 99)); // as the field tells of the R-pentomino on this board
    QTest::keyClick(graph, Qt::Key_H);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Step 99, ahead: 109 live cells."));
    Press(*window_, "cmdOneStep");
    QCOMPARE(graph->Marked(), -1);
    QTRY_VERIFY(!QToolTip::isVisible());

    // The pointer resting over the line's last point ahead: its step, two past the fate's 202.
    const QImage image = graph->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double ratio = image.devicePixelRatio();
    // The line's bluish pixels, smoothed shades too, inside the focus frame.
    QPoint last;
    const int frame = static_cast<int>(4 * ratio);
    for (int y = frame; y < image.height() - frame; ++y) {
        for (int x = frame; x < image.width() - frame; ++x) {
            const QRgb pixel = image.pixel(x, y);
            last = qBlue(pixel) - qRed(pixel) > 30 && x > last.x() ? QPoint(x, y) : last;
        }
    }
    const QPoint at(static_cast<int>(last.x() / ratio), static_cast<int>(last.y() / ratio));
    QHelpEvent help(QEvent::ToolTip, at, graph->mapToGlobal(at));
    QApplication::sendEvent(graph, &help);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Step 204, ahead: %1 live cells.").arg(end));

    // Without the focus frame, nothing drawn along the right-hand edge, three pixels wide.
    window_->activateWindow();
    PictureArea(*window_)->setFocus();
    QTRY_VERIFY(!graph->hasFocus());
    const QImage unfocused = graph->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int darkest = 255;
    for (int y = 0; y < unfocused.height(); ++y) {
        for (int x = unfocused.width() - static_cast<int>(3 * ratio); x < unfocused.width(); ++x) {
            darkest = std::min(darkest, qGray(unfocused.pixel(x, y)));
        }
    }
    QCOMPARE(darkest, 255);
}

void DisplayPopulationTest::travelThroughTheWay_data()
{
    QTest::addColumn<int>("stepped");  // by 1 Step, before the graph opens
    QTest::addColumn<QString>("keys"); // in the graph, before Enter
    QTest::addColumn<int>("step");     // where Enter takes the board

    QTest::newRow("back to a past step") << 20 << "Home Right Right Right Right Right" << 5;
    QTest::newRow("on to a step ahead") << 3 << "Right Right Right Right Right" << 8;
    QTest::newRow("on past the states kept, far ahead") << 0 << "End" << 204;
}

// Enter in the graph takes the R-pentomino's board to the marked step at once: the count, the
// board, the trail and the step the graph has as now are those of a plain model run there from
// the start; undo goes back to where it was.
void DisplayPopulationTest::travelThroughTheWay()
{
    QFETCH(int, stepped);
    QFETCH(QString, keys);
    QFETCH(int, step);

    Paste(*window_, "x = 3, y = 3\nb2o$2o$bo!");
    quarn::testing::ReferenceModel model;
    for (const auto& [row, column] : quarn::testing::LiveCells(window_->board())) {
        model.Toggle(row, column);
    }
    for (int i = 0; i < stepped; ++i) {
        Press(*window_, "cmdOneStep");
    }
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    auto* graph = window_->findChild<QWidget*>(QStringLiteral("populationGraph"));
    QTRY_VERIFY(graph->hasFocus());
    for (const QString& key : keys.split(QLatin1Char(' '))) {
        const QKeyCombination pressed = QKeySequence(key)[0];
        QTest::keyClick(graph, pressed.key(), pressed.keyboardModifiers());
    }
    QTest::keyClick(graph, Qt::Key_Return);

    QCOMPARE(quarn::testing::LabelText(*window_), QStringLiteral("Steps: %1").arg(step));
    quarn::Field trail;
    for (int i = 0;; ++i) {
        for (int r = 1; r <= 30; ++r) {
            for (int c = 1; c <= 30; ++c) {
                if (model.At(r, c)) {
                    trail.Set(r, c);
                }
            }
        }
        if (i == step) {
            break;
        }
        model.Step();
    }
    quarn::testing::CellSet expected;
    for (int r = 1; r <= 30; ++r) {
        for (int c = 1; c <= 30; ++c) {
            if (model.At(r, c)) {
                expected.insert({r, c});
            }
        }
    }
    QCOMPARE(quarn::testing::LiveCells(window_->board()), expected);
    QCOMPARE(quarn::testing::PictureMismatch(*window_, window_->board()), QString());
    QVERIFY(window_->run().Record().Trail() == trail);
    const quarn::Population& series = window_->run().Series();
    QCOMPARE(series.At(series.PastSize() - 1).step, step);
    QCOMPARE(series.PastSize(), step + 1);

    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(quarn::testing::LabelText(*window_), QStringLiteral("Steps: %1").arg(stepped));
}

// The Moments window of the glider example: its three lines; none current until the board has
// passed one, then the latest passed, as the board runs and as it is taken back; Enter on a line
// takes the board to its step.
void DisplayPopulationTest::momentsWindowFollowsTheBoard()
{
    Paste(*window_, "x = 3, y = 3\nbo$2bo$3o!");
    QTest::keyClick(window_.get(), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    auto* list = window_->findChild<QListView*>(QStringLiteral("momentsList"));
    QTRY_VERIFY(list->isVisible());
    const auto lines = [list] {
        QStringList shown;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            shown << list->model()->index(row, 0).data(Qt::AccessibleTextRole).toString();
        }
        return shown;
    };
    QCOMPARE(lines(), (QStringList{
                          "Ahead. Step 57: the glider at row 29, column 28 meets the edge.",
                          "Ahead. Step 59: a block forms at row 29, column 29.",
                          "Ahead. Step 59: the board settles into a block.",
                      }));
    QCOMPARE(list->currentIndex().row(), -1);
    for (int i = 0; i < 58; ++i) {
        Press(*window_, "cmdOneStep");
    }
    QCOMPARE(list->currentIndex().row(), 0);
    QVERIFY(lines().front().startsWith(QStringLiteral("Passed. Step 57")));
    QVERIFY(lines()[1].startsWith(QStringLiteral("Ahead. Step 59")));
    PictureArea(*window_)->setFocus();
    QTest::keyClick(PictureArea(*window_), Qt::Key_M, Qt::ShiftModifier);
    QCOMPARE(quarn::testing::LabelText(*window_), QStringLiteral("Steps: 57"));
    QCOMPARE(list->currentIndex().row(), 0);
    QTest::keyClick(PictureArea(*window_), Qt::Key_M, Qt::ShiftModifier);
    QCOMPARE(quarn::testing::LabelText(*window_), QStringLiteral("Steps: 0"));
    QCOMPARE(list->currentIndex().row(), -1);
    list->setFocus();
    list->setCurrentIndex(list->model()->index(2, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(quarn::testing::LabelText(*window_), QStringLiteral("Steps: 59"));
    QCOMPARE(list->currentIndex().row(), 2);
    QVERIFY(lines().back().startsWith(QStringLiteral("Passed.")));
}

QTEST_MAIN(DisplayPopulationTest)
#include "display_population_test.moc"
