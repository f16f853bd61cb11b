#include "features/population/population_graph.h"

#include "features/population/graph_frame.h"

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace quarn {

namespace {

constexpr int kMarkReach = 8; // the marks round a point reach this far either side
constexpr int kLineReach = 2; // and the line this far from its points
constexpr int kLeastAxis = GraphFrame::kLeastAxis;

// What a key asks of the graph.
enum Act
{
    kBefore,
    kAfter,
    kFirst,
    kLast,
    kPageBack,
    kPageOn,
    kHighest,
    kLowest,
    kSummary,
    kRun,
    kPlay,
    kStop,
    kCopy,
    kNextMoment,
    kPreviousMoment,
    kGoThere,
};

// The moments' marks stand in a row this far above the plot's bottom, this big.
constexpr int kMomentRow = 6;
constexpr double kMomentSize = 3.5;

} // namespace

// In the words of the Keys and Mouse page. The graph's keys are plain keys: with a modifier they
// are the program's shortcuts'.
const KeyTable& PopulationGraph::Keys()
{
    constexpr auto kNo = Qt::NoModifier;
    static const KeyTable table(
        QT_TRANSLATE_NOOP("quarn::Menus", "The population graph"),
        {
            {QT_TRANSLATE_NOOP("quarn::Menus", "Left, Right"),
             QT_TRANSLATE_NOOP("quarn::Menus", "The step before or after, said"),
             {{Qt::Key_Left, kNo, kBefore}, {Qt::Key_Right, kNo, kAfter}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "Home, End"),
             QT_TRANSLATE_NOOP("quarn::Menus", "The first or the last step"),
             {{Qt::Key_Home, kNo, kFirst}, {Qt::Key_End, kNo, kLast}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "Page Up, Page Down"),
             QT_TRANSLATE_NOOP("quarn::Menus", "A tenth of the steps back or on"),
             {{Qt::Key_PageUp, kNo, kPageBack}, {Qt::Key_PageDown, kNo, kPageOn}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "H, L"),
             QT_TRANSLATE_NOOP("quarn::Menus", "The highest or the lowest point"),
             {{Qt::Key_H, kNo, kHighest}, {Qt::Key_L, kNo, kLowest}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "M, Shift+M"),
             QT_TRANSLATE_NOOP("quarn::Menus", "The next or the previous moment of the run, said"),
             {{Qt::Key_M, kNo, kNextMoment}, {Qt::Key_M, Qt::ShiftModifier, kPreviousMoment}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "Enter"),
             QT_TRANSLATE_NOOP("quarn::Menus", "Take the board to the marked step"),
             {{Qt::Key_Return, kNo, kGoThere}, {Qt::Key_Enter, kNo, kGoThere}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "S"),
             QT_TRANSLATE_NOOP("quarn::Menus",
                               "Say the summary: the start, the highest, the lowest, now"),
             {{Qt::Key_S, kNo, kSummary}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "R"),
             QT_TRANSLATE_NOOP("quarn::Menus", "Run the board, or stop it, as Go and Stop do"),
             {{Qt::Key_R, kNo, kRun}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "P"),
             QT_TRANSLATE_NOOP("quarn::Menus", "Hear the graph as tones, higher for more cells; "
                                               "P again or Escape stops"),
             {{Qt::Key_P, kNo, kPlay}, {Qt::Key_Escape, kNo, kStop}}},
            {nullptr,
             QT_TRANSLATE_NOOP("quarn::Menus", "Copy the steps as CSV, for a spreadsheet"),
             {},
             QKeySequence::Copy,
             kCopy},
        });
    return table;
}

// A column of the line: the lowest and the highest of the steps drawn in it, the first and the
// last, and whether they lie ahead.
struct PopulationGraph::Column
{
    int x;
    int low;
    int high;
    int first;
    int last;
    bool ahead;
};

PopulationGraph::PopulationGraph(const Population& population, QWidget* parent)
    : QWidget(parent),
      population_(population)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(240, 160);
}

QSize PopulationGraph::sizeHint() const
{
    return {480, 260};
}

int PopulationGraph::Marked() const
{
    return marked_;
}

void PopulationGraph::SetOutlook(const QString& outlook)
{
    if (outlook != outlook_) {
        outlook_ = outlook;
        LayOutPlot();
        RedrawAll();
    }
}

void PopulationGraph::Follow()
{
    const int size = population_.Size();
    // A new graph after a fill, a load, an edit, undo or redo: no point marked on it yet.
    const int followed =
        population_.PastSize() > 0 ? population_.At(population_.PastSize() - 1).step : 0;
    const bool newGraph =
        population_.Run() != run_ || population_.Way() != way_ || followed < followedStep_;
    if (newGraph) {
        run_ = population_.Run();
        way_ = population_.Way();
        marked_ = -1;
    }
    // A point the keys left marked goes once the board moves on; the sound's stays with it.
    const bool unmark = !newGraph && marked_ >= 0 && !playing_ && followed != followedStep_;
    if (unmark) {
        marked_ = -1;
        QToolTip::hideText();
    }
    followedStep_ = followed;
    if (marked_ >= size) {
        marked_ = size - 1;
    }
    // Drawn in part only where the steps drawn before still stand: the series may have been
    // followed by others since, through a new way and back.
    const bool laidAnew = population_.Laid() != laid_;
    laid_ = population_.Laid();
    if (image_.isNull() || laidAnew || drawnNow_ < 0 || unmark) {
        RedrawAll();
        return;
    }
    const int now = population_.At(population_.PastSize() - 1).step;
    const int last = population_.At(size - 1).step;
    // On the way foreseen only steps ahead are new; those that turned past were drawn.
    for (int i = IndexAtOrAfter(drawnLast_ + 1); i < size; ++i) {
        highest_ = std::max<int>(highest_, population_.At(i).live);
    }
    if (Rescale()) {
        RedrawAll();
        return;
    }
    // Where the board is now: as wide as the marks round a point, and a step either side. Where
    // the steps ahead end: a step either side and the line's width, for no mark moves there.
    const Scale scale = StepScale();
    const auto column = [&scale](int step) {
        return static_cast<int>(std::floor(scale.XOf(step)));
    };
    std::vector<std::pair<int, int>> strips{{column(std::min(drawnNow_, now) - 1) - kMarkReach,
                                             column(std::max(drawnNow_, now) + 1) + kMarkReach}};
    if (last != drawnLast_) {
        strips.emplace_back(column(std::min(drawnLast_, last) - 1) - kLineReach,
                            column(std::max(drawnLast_, last) + 1) + kLineReach);
    }
    RedrawStrips(strips);
    drawnNow_ = now;
    drawnLast_ = last;
}

QRect PopulationGraph::Plot() const
{
    return frame_.plot;
}

void PopulationGraph::LayOutPlot()
{
    frame_.LayOut(size(), fontMetrics(), outlook_, kMarkReach);
}

PopulationGraph::Scale PopulationGraph::StepScale() const
{
    const QRect plot = Plot();
    const int first = population_.Size() > 0 ? population_.At(0).step : 0;
    const int span = std::max(1, frame_.stepsEnd - first);
    return {plot.left(), first, static_cast<double>(plot.width()) / span};
}

double PopulationGraph::XOf(int step) const
{
    return StepScale().XOf(step);
}

double PopulationGraph::YOf(int live) const
{
    return frame_.YOf(live);
}

bool PopulationGraph::Rescale()
{
    const int size = population_.Size();
    frame_.first = size > 0 ? population_.At(0).step : 0;
    if (size == 0) {
        return false;
    }
    const int first = frame_.first;
    const int steps =
        GraphFrame::AxisEnd(std::max(kLeastAxis, population_.At(size - 1).step - first));
    const int live = GraphFrame::AxisEnd(std::max(kLeastAxis, highest_));
    const bool grew = first + steps > frame_.stepsEnd || live > frame_.liveEnd;
    if (grew) {
        frame_.stepsEnd = std::max(frame_.stepsEnd, first + steps);
        frame_.liveEnd = std::max(frame_.liveEnd, live);
    }
    return grew;
}

void PopulationGraph::RedrawAll()
{
    EnsureImage();
    frame_.stepsEnd = kLeastAxis;
    frame_.liveEnd = kLeastAxis;
    highest_ = 0;
    for (int i = 0; i < population_.Size(); ++i) {
        highest_ = std::max<int>(highest_, population_.At(i).live);
    }
    Rescale();
    QPainter painter(&image_);
    painter.fillRect(rect(), GraphFrame::kGround);
    DrawAxes(painter);
    painter.end();
    const QRect plot = Plot();
    RedrawStrips({{plot.left() - 2, plot.right() + 2}});
    const int size = population_.Size();
    drawnNow_ = size > 0 ? population_.At(population_.PastSize() - 1).step : -1;
    drawnLast_ = size > 0 ? population_.At(size - 1).step : -1;
    update();
}

void PopulationGraph::RedrawStrips(const std::vector<std::pair<int, int>>& strips)
{
    EnsureImage();
    const QRect plot = Plot();
    QPainter painter(&image_);
    for (const auto& [x0, x1] : strips) {
        const QRect strip = QRect(QPoint(x0, plot.top() - kMarkReach), QPoint(x1, plot.bottom()))
                                .intersected(plot.adjusted(-kMarkReach, -kMarkReach, 3, 0));
        if (strip.isEmpty()) {
            continue;
        }
        painter.setClipRect(strip);
        painter.fillRect(strip, GraphFrame::kGround);
        frame_.DrawGrid(painter, std::max(strip.left(), plot.left()), strip.right());
        // Where the device's pixels are smaller than the logical, the strip takes the top of
        // the ticks below the axis with it.
        DrawStepTicks(painter, strip.left() - 1, strip.right() + 1);
        // The marks round the first step reach over the side axis, its ticks and its labels.
        if (strip.left() <= plot.left()) {
            DrawAxes(painter);
        }
        DrawLine(painter, strip.left(), strip.right());
        DrawMarks(painter, strip);
        update(strip);
    }
}

void PopulationGraph::DrawAxes(QPainter& painter) const
{
    painter.setFont(font());
    frame_.DrawAxes(painter, fontMetrics(), outlook_, population_.AndOn(),
                    palette().color(QPalette::WindowText));
}

void PopulationGraph::DrawStepTicks(QPainter& painter, int x0, int x1) const
{
    frame_.DrawStepTicks(painter, x0, x1);
}

// The points of the columns whose line reaches into x0 to x1, each column with all its steps,
// and a point either side for the line to come in from and go out to, as it does when drawn
// whole.
std::pair<int, int> PopulationGraph::IndicesAcross(int x0, int x1) const
{
    const Scale scale = StepScale();
    const int last = population_.Size() - 1;
    const auto columnOf = [this, &scale](int index) {
        return static_cast<int>(std::floor(scale.XOf(population_.At(index).step)));
    };
    // The first point in a column at or right of x: found from the steps' scale, then checked
    // against the columns themselves, which rounding may put a step either way.
    const auto firstFrom = [&](int x) {
        const double steps = (x - scale.left) / scale.perStep;
        int index = std::clamp(IndexAtOrAfter(scale.first + static_cast<int>(std::floor(steps))), 0,
                               last + 1);
        while (index > 0 && columnOf(index - 1) >= x) {
            --index;
        }
        while (index <= last && columnOf(index) < x) {
            ++index;
        }
        return index;
    };
    // A column's line, two pixels wide, reaches the pixel either side of its own.
    return {std::max(0, firstFrom(x0 - 1) - 1), std::min(last, firstFrom(x1 + 2))};
}

// A column of pixels to each step while steps are wider than pixels; the lowest and the highest
// of the steps in each column once they are narrower.
void PopulationGraph::DrawLine(QPainter& painter, int x0, int x1) const
{
    if (population_.Size() == 0) {
        return;
    }
    const auto [from, to] = IndicesAcross(x0, x1);
    const Scale scale = StepScale();
    std::vector<Column> columns;
    for (int i = from; i <= to; ++i) {
        const Population::Point point = population_.At(i);
        const int x = static_cast<int>(std::floor(scale.XOf(point.step)));
        const bool ahead = population_.Ahead(i);
        if (columns.empty() || columns.back().x != x || columns.back().ahead != ahead) {
            columns.push_back({x, point.live, point.live, point.live, point.live, ahead});
        } else {
            Column& column = columns.back();
            column.low = std::min<int>(column.low, point.live);
            column.high = std::max<int>(column.high, point.live);
            column.last = point.live;
        }
    }
    DrawColumns(painter, columns);
}

void PopulationGraph::DrawColumns(QPainter& painter, const std::vector<Column>& columns) const
{
    // The steps ahead lighter and thinner than the past, which tells them apart without their
    // colour too. Solid: dashes would cost a long run ten times as much to draw.
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen past(GraphFrame::kPast, 2.0);
    past.setCapStyle(Qt::FlatCap);
    QPen ahead(GraphFrame::kAhead, 1.25);
    ahead.setCapStyle(Qt::FlatCap);
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const Column& column = columns[k];
        painter.setPen(column.ahead ? ahead : past);
        const double x = column.x + 0.5;
        if (k > 0) {
            painter.drawLine(QPointF(columns[k - 1].x + 0.5, YOf(columns[k - 1].last)),
                             QPointF(x, YOf(column.first)));
        }
        if (column.high != column.low) {
            painter.drawLine(QPointF(x, YOf(column.low)), QPointF(x, YOf(column.high)));
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// The marks that reach into the strip: where the board is now, and the point marker.
void PopulationGraph::DrawMarks(QPainter& painter, const QRect& strip) const
{
    const int size = population_.Size();
    if (size == 0) {
        return;
    }
    const QRect plot = Plot();
    const auto near = [&strip](double x) {
        return x >= strip.left() - kMarkReach && x <= strip.right() + kMarkReach;
    };
    const Population::Point now = population_.At(population_.PastSize() - 1);
    const double x = std::floor(XOf(now.step)) + 0.5;
    if (near(x)) {
        // A line one pixel wide along a pixel column: filled, as it falls on whole pixels.
        painter.fillRect(QRect(QPoint(static_cast<int>(x), plot.top() - 4),
                               QPoint(static_cast<int>(x), plot.bottom())),
                         GraphFrame::kNow);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(GraphFrame::kNow, 1.0, Qt::SolidLine));
        painter.setBrush(GraphFrame::kNow);
        painter.drawEllipse(QPointF(x, YOf(now.live)), 3.5, 3.5);
    }
    for (const MomentMark& moment : moments_) {
        if (near(std::floor(XOf(moment.step)) + 0.5)) {
            DrawMoment(painter, moment);
        }
    }
    if (marked_ >= 0 && marked_ < size) {
        const Population::Point point = population_.At(marked_);
        const double at = std::floor(XOf(point.step)) + 0.5;
        if (near(at)) {
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(GraphFrame::kMarker, 2.0));
            painter.drawEllipse(QPointF(at, YOf(point.live)), 6.0, 6.0);
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// Told apart by shape: a bar for the edge, a diamond for a meeting, a triangle up for a forming
// and down for a going, a ring for the most live cells and a square for the fate.
void PopulationGraph::DrawMoment(QPainter& painter, const MomentMark& moment) const
{
    const double x = std::floor(XOf(moment.step)) + 0.5;
    const double y = Plot().bottom() - kMomentRow + 0.5;
    const double r = kMomentSize;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(GraphFrame::kMarker, 1.0));
    painter.setBrush(GraphFrame::kMarker);
    switch (moment.kind) {
    case 0:
        painter.drawRect(QRectF(x - 1.0, y - r, 2.0, 2 * r));
        break;
    case 1:
        painter.drawPolygon(QPolygonF{{x, y - r}, {x + r, y}, {x, y + r}, {x - r, y}});
        break;
    case 2:
        painter.drawPolygon(QPolygonF{{x, y - r}, {x + r, y + r}, {x - r, y + r}});
        break;
    case 3:
        painter.drawPolygon(QPolygonF{{x - r, y - r}, {x + r, y - r}, {x, y + r}});
        break;
    case 4:
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(x, y), r, r);
        break;
    default:
        painter.drawRect(QRectF(x - r, y - r, 2 * r, 2 * r));
        break;
    }
}

int PopulationGraph::IndexAtOrAfter(int step) const
{
    int low = 0;
    int high = population_.Size();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (population_.At(middle).step < step) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

void PopulationGraph::EnsureImage()
{
    const double ratio = devicePixelRatioF();
    const QSize device(static_cast<int>(std::ceil(width() * ratio)),
                       static_cast<int>(std::ceil(height() * ratio)));
    if (!image_.isNull() && image_.size() == device && image_.devicePixelRatio() == ratio) {
        return;
    }
    image_ = QImage(device, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(GraphFrame::kGround);
    drawnNow_ = -1;
}

void PopulationGraph::paintEvent(QPaintEvent* event)
{
    const double ratio = devicePixelRatioF();
    if (image_.isNull() || image_.devicePixelRatio() != ratio) {
        RedrawAll();
    }
    // Each exposed rectangle alone: a step's columns where the board is now and at the end of
    // the steps ahead, not all between them.
    QPainter painter(this);
    for (const QRect& exposed : event->region()) {
        painter.drawImage(exposed.topLeft(), image_,
                          QRectF(exposed.x() * ratio, exposed.y() * ratio, exposed.width() * ratio,
                                 exposed.height() * ratio));
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2.0));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void PopulationGraph::resizeEvent(QResizeEvent* /*event*/)
{
    LayOutPlot();
    RedrawAll();
}

void PopulationGraph::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void PopulationGraph::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

// Ctrl+C copies the graph's steps here, not the board as it does in the main window; Escape
// stops the sound before it closes the window.
bool PopulationGraph::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        ShowPointTip(static_cast<QHelpEvent*>(event)->pos());
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        const int act = Keys().ActOf(*static_cast<QKeyEvent*>(event));
        if (act == kCopy || (playing_ && act == kStop)) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void PopulationGraph::Mark(int index)
{
    const int size = population_.Size();
    if (size == 0) {
        return;
    }
    const int was = marked_;
    marked_ = std::clamp(index, 0, size - 1);
    const auto column = [this](int i) {
        return static_cast<int>(std::floor(XOf(population_.At(i).step)));
    };
    std::vector<std::pair<int, int>> strips{
        {column(marked_) - kMarkReach, column(marked_) + kMarkReach}};
    if (was >= 0 && was < size) {
        strips.emplace_back(column(was) - kMarkReach, column(was) + kMarkReach);
    }
    RedrawStrips(strips);
}

void PopulationGraph::ShowPlaying(bool playing)
{
    playing_ = playing;
}

void PopulationGraph::keyPressEvent(QKeyEvent* event)
{
    const int size = population_.Size();
    const int act = Keys().ActOf(*event);
    if (size == 0 || act == KeyTable::kNone || (act == kStop && !playing_)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int from = marked_ >= 0 ? marked_ : population_.PastSize() - 1;
    const int page = std::max(1, size / 10);
    switch (act) {
    case kBefore:
        MoveMarker(from - 1);
        break;
    case kAfter:
        MoveMarker(from + 1);
        break;
    case kFirst:
        MoveMarker(0);
        break;
    case kLast:
        MoveMarker(size - 1);
        break;
    case kPageBack:
        MoveMarker(from - page);
        break;
    case kPageOn:
        MoveMarker(from + page);
        break;
    case kHighest:
        MoveMarker(population_.HighestIndex());
        break;
    case kLowest:
        MoveMarker(population_.LowestIndex());
        break;
    case kSummary:
        emit Said(Summary());
        break;
    case kRun:
        emit RunRequested();
        break;
    case kPlay:
        if (playing_) {
            emit StopRequested();
        } else {
            emit PlayRequested();
        }
        break;
    case kStop:
        emit StopRequested();
        break;
    case kCopy:
        QGuiApplication::clipboard()->setText(Csv());
        emit Said(tr("Copied the steps as CSV."));
        break;
    case kNextMoment:
    case kPreviousMoment:
        emit MomentRequested(from, act == kPreviousMoment);
        break;
    case kGoThere:
        emit StepRequested(population_.At(from).step);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void PopulationGraph::SetMoments(std::vector<MomentMark> moments)
{
    const auto same = [](const MomentMark& a, const MomentMark& b) {
        return a.step == b.step && a.kind == b.kind && a.line == b.line;
    };
    if (std::equal(moments.begin(), moments.end(), moments_.begin(), moments_.end(), same)) {
        return; // a board drawn on goes a new way at every cell, mostly with no moments known
    }
    moments_ = std::move(moments);
    if (!isVisible()) {
        image_ = QImage(); // drawn whole, with them, when next shown
        return;
    }
    RedrawAll();
}

void PopulationGraph::ToMoment(int from, bool backwards)
{
    const int step = population_.At(from).step;
    const auto shown = [this](const MomentMark& moment) {
        const int index = IndexAtOrAfter(moment.step);
        return index < population_.Size() && population_.At(index).step == moment.step;
    };
    const MomentMark* to = nullptr;
    for (const MomentMark& moment : moments_) {
        if (shown(moment) && (backwards ? moment.step < step : moment.step > step)) {
            to = &moment;
            if (!backwards) {
                break;
            }
        }
    }
    if (to == nullptr) {
        emit Said(backwards ? tr("No moment before this step.") : tr("No moment after this step."));
        return;
    }
    Mark(IndexAtOrAfter(to->step));
    QString words = PointWords(marked_);
    for (const MomentMark& moment : moments_) {
        if (moment.step == to->step) {
            words += QLatin1Char(' ') + moment.line;
        }
    }
    SayAtMarker(words);
}

void PopulationGraph::MoveMarker(int index)
{
    Mark(index);
    SayAtMarker(PointWords(marked_));
}

// Shown as well as said, beside the marked point.
void PopulationGraph::SayAtMarker(const QString& words)
{
    emit Said(words);
    const Population::Point point = population_.At(marked_);
    const QPoint at(static_cast<int>(std::floor(XOf(point.step))) + kMarkReach,
                    static_cast<int>(std::lround(YOf(point.live))) + kMarkReach);
    QToolTip::showText(mapToGlobal(at), words, this);
}

// The words of the point nearest the pointer along the steps, while the pointer is over the
// plot.
void PopulationGraph::ShowPointTip(const QPoint& position)
{
    const int size = population_.Size();
    if (size == 0 ||
        !Plot().adjusted(-kMarkReach, -kMarkReach, kMarkReach, kMarkReach).contains(position)) {
        QToolTip::hideText();
        return;
    }
    const Scale scale = StepScale();
    const double step = scale.first + (position.x() - scale.left) / scale.perStep;
    int index = std::clamp(IndexAtOrAfter(static_cast<int>(std::lround(step))), 0, size - 1);
    if (index > 0 && std::abs(population_.At(index - 1).step - step) <
                         std::abs(population_.At(index).step - step)) {
        --index;
    }
    QToolTip::showText(mapToGlobal(position), PointWords(index), this);
}

QString PopulationGraph::PointWords(int index) const
{
    const Population::Point point = population_.At(index);
    if (population_.Ahead(index)) {
        const QString words =
            tr("Step %1, ahead: %n live cells.", nullptr, point.live).arg(point.step);
        return index == population_.Size() - 1 && population_.AndOn() ? tr("%1 And on.").arg(words)
                                                                      : words;
    }
    return tr("Step %1: %n live cells, %2 born, %3 died.", nullptr, point.live)
        .arg(point.step)
        .arg(point.born)
        .arg(point.died);
}

QString PopulationGraph::Summary() const
{
    if (population_.PastSize() == 0) {
        return outlook_;
    }
    const Population::Figures figures = population_.PastFigures();
    QString summary;
    if (population_.PastSize() == 1) {
        summary =
            tr("At step %1: %n live cells.", nullptr, figures.first.live).arg(figures.first.step);
    } else {
        summary = tr("From step %1 to step %2: %3, at most %4 at step %5, at least %6 at step %7, "
                     "%8 now.")
                      .arg(figures.first.step)
                      .arg(figures.last.step)
                      .arg(tr("%n live cells at the start", nullptr, figures.first.live))
                      .arg(figures.highest.live)
                      .arg(figures.highest.step)
                      .arg(figures.lowest.live)
                      .arg(figures.lowest.step)
                      .arg(figures.last.live);
    }
    return outlook_.isEmpty() ? summary : summary + QLatin1Char(' ') + outlook_;
}

QString PopulationGraph::Csv() const
{
    QString csv = QStringLiteral("step,live,born,died,ahead\n");
    for (int i = 0; i < population_.Size(); ++i) {
        const Population::Point point = population_.At(i);
        csv += QStringLiteral("%1,%2,%3,%4,%5\n")
                   .arg(point.step)
                   .arg(point.live)
                   .arg(point.born)
                   .arg(point.died)
                   .arg(population_.Ahead(i) ? 1 : 0);
    }
    return csv;
}

} // namespace quarn
