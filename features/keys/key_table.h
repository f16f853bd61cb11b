#pragma once

#include <QKeySequence>
#include <QString>

#include <utility>
#include <vector>

class QKeyEvent;

namespace quarn {

// A widget's keys, in one table that both its key handler and the Keys and Mouse page read: each
// row is the keys as the page names them, what they do, and the presses that do it, each with the
// act it asks of the widget. A row without presses is one that Qt carries out for the widget,
// such as Tab. The words are the page's, untranslated; Rows() gives them in the person's
// language.
class KeyTable
{
public:
    struct Press
    {
        int key = 0;
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        int act = 0;
    };

    struct Row
    {
        const char* keys;
        const char* does;
        std::vector<Press> presses;
        // Where the keys are the desktop's own, such as Copy, named as the desktop names them.
        QKeySequence::StandardKey standard = QKeySequence::UnknownKey;
        int standardAct = 0;
    };

    KeyTable(const char* title, std::vector<Row> rows);

    // The act the key asks for, or kNone. The modifiers must be those of the table: a letter key
    // acts only without any. The keypad's are the same keys.
    static constexpr int kNone = -1;
    int ActOf(const QKeyEvent& event) const;

    QString Title() const;
    // Each row's keys and what they do, in the person's language.
    std::vector<std::pair<QString, QString>> Rows() const;

private:
    const char* title_;
    std::vector<Row> rows_;
};

} // namespace quarn
