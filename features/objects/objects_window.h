#pragma once

#include "census/field.h"
#include "features/objects/objects_model.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QListView>
#include <QTimer>
#include <QWidget>

namespace quarn {

class BoardObjects;

// The window of objects: an entry for each object on the board, with its line, and the board's
// fate above them. While it is open it follows the board. Choosing an entry, with the mouse or
// the arrows, asks for that object to be outlined and the keyboard's cursor to go to it; the
// outline follows the object as the board changes, and goes when the window closes.
class ObjectsWindow : public QWidget
{
    Q_OBJECT

public:
    ObjectsWindow(BoardObjects& objects, QWidget* owner);

    // Opens the window, or brings it to the front.
    void Open();
    // The board may have changed: shown anew while the window is open, at once; or, while the
    // board runs, at most once a second, with what it has come to by then.
    void Follow(bool running);

signals:
    // The box of the object to outline, from its top-left cell to its bottom-right one.
    void Outlined(int top, int left, int bottom, int right);
    void OutlineGone();
    // A person chose the object whose first live cell this is.
    void Chosen(int row, int column);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void Place();
    void Show();
    // The entry to show as chosen, or none for -1, without choosing it anew.
    void ShowChosen(int entry);
    void Choose(int entry);
    void Outline();

    BoardObjects& objects_;
    bool placed_ = false; // beside the board, the first time it opens
    QTimer following_;
    QElapsedTimer shown_; // since the list was last shown anew
    QLabel fate_;
    ObjectsModel model_;
    QListView list_;
    Field chosen_;               // the cells of the object outlined
    bool showingChosen_ = false; // while the list is shown to follow it
};

} // namespace quarn
