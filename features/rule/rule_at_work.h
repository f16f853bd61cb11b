#pragma once

#include "census/cell_outlook.h"
#include "census/field.h"
#include "census/run_model.h"

#include <QObject>
#include <QString>

class QWidget;

namespace quarn {

// The rule at work, for a person: why a cell lives or dies, said for any cell; and, while View ▸
// Next Generation is on, the cells about to be born and about to die, sent out to be marked, with
// the words for the cell under the pointer in a tip.
class RuleAtWork : public QObject
{
    Q_OBJECT

public:
    // Shows its tips over the widget that shows the board, and reads the board as the run has it.
    RuleAtWork(QWidget& area, const RunModel& run);

    // W: the cell's live neighbours and what becomes of it, said and shown in a tip beside it.
    void Explain(int row, int column);
    // The words W says for a cell of the board as it is now.
    QString Words(int row, int column) const;

    // The marks on or off; on, they follow the board.
    void ShowMarks(bool shown);
    // Whatever happened to the run: the marks follow the board it left.
    void Follow();
    // How many cells the next generation brings and ends, in words, while the marks show; else
    // nothing.
    QString Outlook() const;

signals:
    void Said(const QString& words);
    // The cells to mark now; none when the marks go.
    void MarksChanged(const Field& born, const Field& dying);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& area_;
    const RunModel& run_;
    bool shown_ = false;
};

} // namespace quarn
