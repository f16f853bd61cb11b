#pragma once

#include <QObject>

class QAbstractButton;

namespace quarn {

// Lets Enter and keypad Enter press a focused button, as Space does. Outside a dialog a push
// button takes neither.
class ButtonKeys : public QObject
{
    Q_OBJECT

public:
    explicit ButtonKeys(QObject* parent = nullptr);

    void Watch(QAbstractButton& button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace quarn
