#pragma once

#include "census/field.h"
#include "features/objects/objects_model.h"
#include "features/windows/side_window.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QListView>
#include <QTimer>

#include <cstdint>

namespace quarn {

class BoardObjects;

// The window of objects: an entry for each object on the board, with its line, and the board's
// fate above them. While it is open it follows the board. Choosing an entry, with the mouse or
// the arrows, asks for that object to be outlined and the keyboard's cursor to go to it; the
// outline follows the object at every generation, and goes when the window closes. Nothing is
// chosen until a person chooses, and a fill or a load takes the choice away.
class ObjectsWindow : public SideWindow
{
    Q_OBJECT

public:
    ObjectsWindow(BoardObjects& objects, QWidget& owner);

    // Opens the window, or brings it to the front.
    void OpenOrRaise();
    // The board may have changed: shown anew while the window is open, at once; or, while the
    // board runs, the outline at once and the lines at most once a second.
    void Follow(bool running);
    // The object with a live cell here becomes the chosen one, as the keyboard visits it.
    void ChooseAt(int row, int column);

signals:
    // The box of the object to outline, from its top-left cell to its bottom-right one.
    void Outlined(int top, int left, int bottom, int right);
    void OutlineGone();
    // A person chose the object whose first live cell this is.
    void Chosen(int row, int column);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    // As wide as the lines of the board as it is, in the person's language.
    int WantedWidth();
    void Show();
    // The chosen object where the board has taken it: run on with it, found again among the
    // objects, or gone with a reset.
    void Track();
    // The object now that the cells overlap, or none.
    Field Overlapping(const Field& cells);
    void Remember(const Field& chosen);
    // The entry to show as chosen, or none for -1, without choosing it anew.
    void ShowChosen(int entry);
    void Choose(int entry);
    void Outline();

    BoardObjects& objects_;
    QTimer following_;
    QElapsedTimer shown_; // since the list was last shown anew
    QLabel fate_;
    ObjectsModel model_;
    QListView list_;
    Field chosen_; // the cells of the object outlined, at the record's step below
    std::uint64_t chosenRun_ = 0;
    std::uint64_t chosenWay_ = 0;
    int chosenSize_ = 0;
    // The record as it was when the list was last made.
    std::uint64_t listedRun_ = 0;
    std::uint64_t listedWay_ = 0;
    int listedSize_ = 0;
    bool showingChosen_ = false; // while the list is shown to follow it
};

} // namespace quarn
