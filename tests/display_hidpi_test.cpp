#include "support/display_probe.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <vector>

using quarn::testing::Grab;
using quarn::testing::PictureArea;
using quarn::testing::Press;

namespace {

struct Run
{
    QRgb colour;
    int length;
};

// The runs of silver and of not-silver along one line of device pixels.
std::vector<Run> Runs(const QImage& image, int fixed, bool horizontal, int length)
{
    std::vector<Run> runs;
    for (int i = 0; i < length; ++i) {
        const QRgb pixel = horizontal ? image.pixel(i, fixed) : image.pixel(fixed, i);
        const QRgb kind = pixel == quarn::testing::kSilver ? pixel : 0;
        if (runs.empty() || runs.back().colour != kind) {
            runs.push_back({kind, 0});
        }
        ++runs.back().length;
    }
    return runs;
}

} // namespace

// Run once per scale factor (QT_SCALE_FACTOR, set by CTest): the board must be drawn in whole
// device pixels, every box the same size and every gap within a pixel of the others.
class HiDpiTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void boxesAndGapsAreEvenInBothDirections();
    void noBlendedPixelsInsideTheBoard();
    void pictureFollowsTheWindowToAnotherScreen();
    void cursorMarkerIsSharpAndTouchesNoBox();

private:
    std::unique_ptr<frmDisplay> window_;
};

void HiDpiTest::init()
{
    window_ = std::make_unique<frmDisplay>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    Press(*window_, "cmdAllOn");
}

void HiDpiTest::cleanup()
{
    window_.reset();
}

void HiDpiTest::boxesAndGapsAreEvenInBothDirections()
{
    const QImage image = Grab(*window_);
    const double ratio = image.devicePixelRatio();
    qInfo("device pixel ratio %g", ratio);
    const int fieldEnd = static_cast<int>(330 * ratio); // 4950 twips

    for (const bool horizontal : {true, false}) {
        for (const int cell : {1, 15, 30}) {
            const int across = static_cast<int>((11 * (cell - 1) + 5.5) * ratio);
            const std::vector<Run> runs = Runs(image, across, horizontal, fieldEnd);
            std::vector<int> boxes;
            std::vector<int> gaps;
            // Skip the margin before the first box; every box is followed by a gap.
            for (std::size_t i = 1; i < runs.size(); ++i) {
                (runs[i].colour == 0 ? boxes : gaps).push_back(runs[i].length);
            }
            QCOMPARE(boxes.size(), std::size_t{30});
            const auto [minBox, maxBox] = std::minmax_element(boxes.begin(), boxes.end());
            QCOMPARE(*minBox, *maxBox);
            // Drawn at this ratio: 141 twips rounded to device pixels, where old pixels scaled
            // up would give a multiple of their own size (18 at twice 9, not 19).
            QCOMPARE(*minBox, static_cast<int>(std::lround(141 * ratio / 15)));
            QVERIFY(!gaps.empty());
            const auto [minGap, maxGap] = std::minmax_element(gaps.begin(), gaps.end() - 1);
            QVERIFY2(*maxGap - *minGap <= 1,
                     qPrintable(QStringLiteral("gaps from %1 to %2").arg(*minGap).arg(*maxGap)));
            QVERIFY(*minGap >= 1);
        }
    }
}

void HiDpiTest::noBlendedPixelsInsideTheBoard()
{
    const QImage image = Grab(*window_);
    const int end = static_cast<int>(330 * image.devicePixelRatio());
    for (int y = 0; y < end; ++y) {
        for (int x = 0; x < end; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel != quarn::testing::kSilver && pixel != quarn::testing::kDead &&
                pixel != quarn::testing::kLive) {
                QFAIL(qPrintable(
                    QStringLiteral("pixel (%1, %2) is %3").arg(x).arg(y).arg(pixel, 8, 16)));
            }
        }
    }
    // Each live box has its outline and its yellow inside.
    const double ratio = image.devicePixelRatio();
    QCOMPARE(image.pixel(static_cast<int>(5.5 * ratio), static_cast<int>(5.5 * ratio)),
             quarn::testing::kLive);
}

// Moving to a screen with another pixel ratio redraws the board sharply at the new ratio
// rather than scaling the old pixels. Needs the two-screen offscreen configuration.
void HiDpiTest::pictureFollowsTheWindowToAnotherScreen()
{
    QScreen* target = nullptr;
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->devicePixelRatio() != window_->devicePixelRatioF()) {
            target = screen;
        }
    }
    if (target == nullptr) {
        QSKIP("needs two screens with different pixel ratios"); // a failure in its own run
    }
    // Live and dead boxes both, with (1, 1) live as the other checks expect.
    for (const QPoint cell : {QPoint(2, 2), QPoint(15, 15), QPoint(29, 30)}) {
        QTest::mouseClick(PictureArea(*window_), Qt::LeftButton, {},
                          quarn::testing::CellCentre(cell.y(), cell.x()));
    }
    QCOMPARE(quarn::testing::PictureMismatch(*window_, window_->board()), QString());

    window_->windowHandle()->setScreen(target);
    window_->move(target->geometry().topLeft() + QPoint(20, 20));
    QTRY_COMPARE(PictureArea(*window_)->devicePixelRatioF(), target->devicePixelRatio());

    const QImage image = Grab(*window_);
    QCOMPARE(image.devicePixelRatio(), target->devicePixelRatio());
    QCOMPARE(quarn::testing::PictureMismatch(*window_, window_->board()), QString());
    noBlendedPixelsInsideTheBoard();
    boxesAndGapsAreEvenInBothDirections();
}

// The marker round the keyboard's cursor: one logical pixel of whole device pixels, of one colour,
// all of it in the silver gap round the box, which keeps every one of its pixels.
void HiDpiTest::cursorMarkerIsSharpAndTouchesNoBox()
{
    QApplication::setActiveWindow(window_.get());
    const QImage before = Grab(*window_);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier); // to the board
    QVERIFY(PictureArea(*window_)->hasFocus());
    for (int i = 0; i < 14; ++i) {
        QTest::keyClick(PictureArea(*window_), Qt::Key_Down);
        QTest::keyClick(PictureArea(*window_), Qt::Key_Right);
    }
    const QImage after = Grab(*window_);
    QCOMPARE(after.size(), before.size());

    QRect marker;
    QRgb colour = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (after.pixel(x, y) == before.pixel(x, y)) {
                continue;
            }
            QCOMPARE(before.pixel(x, y), quarn::testing::kSilver);
            colour = colour == 0 ? after.pixel(x, y) : colour;
            QCOMPARE(after.pixel(x, y), colour);
            marker |= QRect(x, y, 1, 1);
        }
    }
    const int edge = std::max(1, qRound(after.devicePixelRatio()));
    const QRect inside = marker.adjusted(edge, edge, -edge, -edge);
    for (int y = marker.top(); y <= marker.bottom(); ++y) {
        for (int x = marker.left(); x <= marker.right(); ++x) {
            const bool onMarker = !inside.contains(x, y);
            QCOMPARE(after.pixel(x, y) == colour, onMarker);
        }
    }
    // The box inside is cell (15, 15)'s, whole: its outline is the first pixel in.
    QCOMPARE(after.pixel(inside.left(), inside.center().y()), quarn::testing::kDead);
    QCOMPARE(after.pixel(inside.center()), quarn::testing::kLive);
    QVERIFY(inside.contains(quarn::testing::CellCentre(15, 15) * after.devicePixelRatio()));
}

QTEST_MAIN(HiDpiTest)
#include "display_hidpi_test.moc"
