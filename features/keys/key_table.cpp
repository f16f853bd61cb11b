#include "features/keys/key_table.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace quarn {

namespace {

// The words of the Keys and Mouse page, in its context.
QString PageWords(const char* words)
{
    return QCoreApplication::translate("quarn::Menus", words);
}

} // namespace

KeyTable::KeyTable(const char* title, std::vector<Row> rows)
    : title_(title),
      rows_(std::move(rows))
{}

int KeyTable::ActOf(const QKeyEvent& event) const
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    for (const Row& row : rows_) {
        if (row.standard != QKeySequence::UnknownKey && event.matches(row.standard)) {
            return row.standardAct;
        }
        for (const Press& press : row.presses) {
            if (press.key == event.key() && press.modifiers == modifiers) {
                return press.act;
            }
        }
    }
    return kNone;
}

QString KeyTable::Title() const
{
    return PageWords(title_);
}

std::vector<std::pair<QString, QString>> KeyTable::Rows() const
{
    std::vector<std::pair<QString, QString>> rows;
    rows.reserve(rows_.size());
    for (const Row& row : rows_) {
        const QString keys = row.standard != QKeySequence::UnknownKey
                                 ? QKeySequence(row.standard).toString(QKeySequence::NativeText)
                                 : PageWords(row.keys);
        rows.emplace_back(keys, PageWords(row.does));
    }
    return rows;
}

} // namespace quarn
