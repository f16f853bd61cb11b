#include "features/population/graph_frame.h"

#include "census/census.h"
#include "translations/translations.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quarn {

namespace {

constexpr int kMarginTop = 8;

// The least of 1, 2 and 5 times a power of ten at or above the value.
int RoundAbove(int value)
{
    int power = 1;
    while (true) {
        for (const int step : {1, 2, 5}) {
            if (step * power >= value) {
                return step * power;
            }
        }
        power *= 10;
    }
}

} // namespace

const QColor GraphFrame::kGround = Qt::white;
const QColor GraphFrame::kGrid(0xE4, 0xE4, 0xE4);
const QColor GraphFrame::kAxis(0x60, 0x60, 0x60);
const QColor GraphFrame::kPast(0x1A, 0x4F, 0x9C);
const QColor GraphFrame::kAhead(0x6A, 0x8F, 0xCB);
const QColor GraphFrame::kNow(0xC2, 0x4E, 0x00);
const QColor GraphFrame::kMarker(0x00, 0x00, 0x00);

QString GraphFrame::OutlookOf(const Fate& fate, const RunRecord::Point& now)
{
    const Message words = now.live == 0 ? Census{}.Summary() : fate.Line(now.step);
    return Translated(words, "Census");
}

int GraphFrame::TickOf(int value)
{
    return RoundAbove(std::max(1, (value + 4) / 5));
}

int GraphFrame::AxisEnd(int value)
{
    const int tick = TickOf(value);
    return (value + tick - 1) / tick * tick;
}

// Room on the left for the live cells' title, standing on its side, and their labels; below,
// for the steps' labels and title; on the right, for half the widest step label.
void GraphFrame::LayOut(QSize size, const QFontMetrics& metrics, const QString& words,
                        int markReach)
{
    width = size.width();
    const int left =
        kFrame + metrics.height() + metrics.horizontalAdvance(QStringLiteral("0000")) + kTick + 6;
    const int bottom = kFrame + 2 * metrics.height() + kTick + 2;
    const int right = kFrame + (metrics.horizontalAdvance(QStringLiteral("00000")) + 1) / 2;
    outlook = metrics.boundingRect(QRect(kMarginTop, kMarginTop, width - 2 * kMarginTop, 0),
                                   Qt::TextWordWrap, words);
    const int top = outlook.bottom() + 1 + metrics.height() + markReach;
    plot = QRect(QPoint(left, top), QPoint(width - right - 1, size.height() - bottom - 1));
}

void GraphFrame::ShowUpTo(int firstStep, int lastStep, int highest)
{
    first = firstStep;
    stepsEnd = first + AxisEnd(std::max(kLeastAxis, lastStep - first));
    liveEnd = AxisEnd(std::max(kLeastAxis, highest));
}

double GraphFrame::XOf(int step) const
{
    return plot.left() +
           (step - first) * static_cast<double>(plot.width()) / std::max(1, stepsEnd - first);
}

double GraphFrame::YOf(int live) const
{
    return plot.bottom() - live * static_cast<double>(plot.height()) / liveEnd;
}

void GraphFrame::DrawAxes(QPainter& painter, const QFontMetrics& metrics, const QString& words,
                          bool andOn, const QColor& text) const
{
    painter.setPen(text);
    painter.drawText(outlook, Qt::TextWordWrap, words);
    if (andOn) {
        // The steps ahead go on past the last one drawn.
        painter.setPen(kAhead);
        painter.drawText(QRect(plot.left(), outlook.bottom() + 1, plot.width(), metrics.height()),
                         Qt::AlignRight | Qt::AlignTop,
                         QCoreApplication::translate("quarn::PopulationGraph", "and on"));
    }
    painter.setPen(kAxis);
    painter.drawLine(plot.left(), plot.top(), plot.left(), plot.bottom());
    const int liveTick = TickOf(liveEnd);
    for (int live = 0; live <= liveEnd; live += liveTick) {
        const int y = static_cast<int>(std::lround(YOf(live)));
        painter.drawLine(plot.left() - kTick, y, plot.left(), y);
        const QRect label(0, y - metrics.height() / 2, plot.left() - kTick - 2, metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString::number(live));
    }
    DrawStepTicks(painter, plot.left(), plot.right() + 1);
    const int stepTick = TickOf(std::max(1, stepsEnd - first));
    for (int step = first; step <= stepsEnd; step += stepTick) {
        const int x = static_cast<int>(std::lround(XOf(step)));
        const QString label = QString::number(step);
        const int w = metrics.horizontalAdvance(label);
        const int left = std::clamp(x - w / 2, kFrame, std::max(kFrame, width - kFrame - w));
        painter.drawText(QRect(left, plot.bottom() + kTick + 1, w, metrics.height()),
                         Qt::AlignCenter, label);
    }
    // "Step" under the steps' labels, "Live cells" on its side left of theirs, each centred on
    // its axis.
    painter.setPen(text);
    painter.drawText(QRect(plot.left(), plot.bottom() + kTick + 1 + metrics.height(), plot.width(),
                           metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop,
                     QCoreApplication::translate("quarn::PopulationGraph", "Step"));
    painter.save();
    painter.translate(kFrame, plot.bottom());
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, plot.height(), metrics.height()), Qt::AlignHCenter | Qt::AlignTop,
                     QCoreApplication::translate("quarn::PopulationGraph", "Live cells"));
    painter.restore();
}

void GraphFrame::DrawStepTicks(QPainter& painter, int x0, int x1) const
{
    const int stepTick = TickOf(std::max(1, stepsEnd - first));
    for (int step = first; step <= stepsEnd; step += stepTick) {
        const int x = static_cast<int>(std::lround(XOf(step)));
        if (x >= x0 && x <= x1) {
            painter.drawLine(x, plot.bottom(), x, plot.bottom() + kTick);
        }
    }
}

void GraphFrame::DrawGrid(QPainter& painter, int x0, int x1) const
{
    painter.setPen(kGrid);
    const int tick = TickOf(liveEnd);
    for (int live = tick; live <= liveEnd; live += tick) {
        const int y = static_cast<int>(std::lround(YOf(live)));
        // On past x1, which a clip keeps: a line ends short of its last pixel at a device ratio
        // above 1.
        painter.drawLine(x0, y, x1 + 1, y);
    }
    painter.setPen(kAxis);
    painter.drawLine(x0, plot.bottom(), x1 + 1, plot.bottom());
}

} // namespace quarn
