#pragma once

#include "ole_color.h"

#include <QWidget>

namespace forms {

// A fixed-size top-level window laid out in twips. Load() is raised once, after the controls
// exist and before the window first appears.
class Form : public QWidget
{
    Q_OBJECT

public:
    Form(const QString& caption, int clientWidthTwips, int clientHeightTwips, OleColor backColor,
         QWidget* parent = nullptr);

    void setVisible(bool visible) override;

signals:
    void Load();

private:
    bool loaded_ = false;
};

} // namespace forms
