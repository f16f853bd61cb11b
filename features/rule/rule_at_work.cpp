#include "features/rule/rule_at_work.h"

#include "features/windows/cell_tip.h"
#include "geometry/cell_geometry.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include <optional>

namespace quarn {

RuleAtWork::RuleAtWork(QWidget& area, const RunModel& run)
    : QObject(&area),
      area_(area),
      run_(run)
{
    area_.installEventFilter(this);
}

void RuleAtWork::Explain(int row, int column)
{
    const QString words = Words(row, column);
    emit Said(words);
    ShowCellTip(area_, row, column, words);
}

QString RuleAtWork::Words(int row, int column) const
{
    const CellOutlook outlook = CellOutlook::Of(run_.Record().Now(), {row, column});
    using Becomes = CellOutlook::Becomes;
    const char* sentence = nullptr;
    switch (outlook.becomes) {
    case Becomes::kBorn:
        sentence = QT_TR_N_NOOP(
            "Row %1, column %2: dead, %n live neighbours: it is born at the next step.");
        break;
    case Becomes::kStaysDead:
        sentence = QT_TR_N_NOOP("Row %1, column %2: dead, %n live neighbours: it stays dead.");
        break;
    case Becomes::kLivesOn:
        sentence = QT_TR_N_NOOP("Row %1, column %2: live, %n live neighbours: it lives on.");
        break;
    case Becomes::kDiesAlone:
        sentence = QT_TR_N_NOOP("Row %1, column %2: live, %n live neighbours: it dies at the "
                                "next step, with fewer than 2.");
        break;
    case Becomes::kDiesCrowded:
        sentence = QT_TR_N_NOOP("Row %1, column %2: live, %n live neighbours: it dies at the "
                                "next step, with more than 3.");
        break;
    }
    QString words = tr(sentence, nullptr, outlook.neighbours).arg(row).arg(column);
    if (outlook.onBoard < 8) {
        words += QLatin1Char(' ') + tr("Only %n of its 8 neighbours are on the board: the cells "
                                       "beyond the edge are always dead.",
                                       nullptr, outlook.onBoard);
    }
    return words;
}

void RuleAtWork::ShowMarks(bool shown)
{
    shown_ = shown;
    if (shown_) {
        Follow();
    } else {
        emit MarksChanged({}, {});
    }
}

void RuleAtWork::Follow()
{
    if (!shown_) {
        return;
    }
    const NextChanges changes = NextChanges::Of(run_.Record().Now());
    emit MarksChanged(changes.born, changes.dying);
}

QString RuleAtWork::Outlook() const
{
    if (!shown_) {
        return {};
    }
    const NextChanges changes = NextChanges::Of(run_.Record().Now());
    return tr("At the next step %1 and %2.")
        .arg(tr("%n cells are born", nullptr, changes.born.Count()),
             tr("%n die", nullptr, changes.dying.Count()));
}

// While the marks show, a tip with the words for the cell under the pointer, before the
// objects' own tips.
bool RuleAtWork::eventFilter(QObject* watched, QEvent* event)
{
    if (!shown_ || watched != &area_ || event->type() != QEvent::ToolTip) {
        return false;
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const std::optional<GridCell> cell = CellGeometry::OfPixels(area_.width(), area_.height())
                                             .FieldCellAt(help->pos().x(), help->pos().y());
    if (!cell) {
        return false;
    }
    QToolTip::showText(help->globalPos(), Words(cell->row, cell->column), &area_);
    return true;
}

} // namespace quarn
