#pragma once

#include <QPushButton>

namespace forms {

class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

signals:
    void Click();
};

} // namespace forms
