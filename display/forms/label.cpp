#include "label.h"

namespace forms {

Label::Label(QWidget* parent) : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
}

QString Label::Caption() const
{
    return text();
}

void Label::Caption(const QString& caption)
{
    setText(caption);
}

} // namespace forms
