#pragma once

#include <QLabel>

namespace forms {

// A static text that never takes the focus.
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget* parent = nullptr);

    QString Caption() const;
    void Caption(const QString& caption);
};

} // namespace forms
