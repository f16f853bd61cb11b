#pragma once

#include "display/forms/ole_color.h"
#include "display/forms/twips.h"

#include <QWidget>

class QMenuBar;

namespace quarn::forms {

// A fixed-size top-level window whose client area is laid out in twips. Load() is raised once,
// after the controls exist and before the window first appears; Shown() once, after it first
// appears where the desktop placed it.
class Form : public QWidget
{
    Q_OBJECT

public:
    Form(const QString& caption, int clientWidthTwips, int clientHeightTwips, OleColor backColor,
         QWidget* parent = nullptr);

    // A menu bar above the client area and outside it, as on the desktops forms come from: the
    // window grows by the bar's height, and the client area keeps its size and its controls.
    // Before any control is placed.
    void SetMenuBar(QMenuBar& bar);

    // Places a control in the client area, measured from its top-left corner.
    void PlaceInTwips(QWidget& control, const TwipsRect& rect) const;

    // Whether Shown() has been raised.
    bool IsShown() const;

    void setVisible(bool visible) override;

signals:
    void Load();
    void Shown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QSize client_;
    int clientTop_ = 0;
    bool loaded_ = false;
    bool shown_ = false;
};

} // namespace quarn::forms
