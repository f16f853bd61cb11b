#include "features/windows/side_window.h"

#include <QScreen>

#include <algorithm>
#include <vector>

namespace quarn {

namespace {

constexpr int kGap = 8;
constexpr QSize kLeast(140, 100);

} // namespace

SideWindow::SideWindow(QWidget& owner, const QWidget& board)
    : QDialog(&owner),
      board_(board)
{}

bool SideWindow::Present(int wantedWidth)
{
    const bool opening = !isVisible();
    if (!placed_) {
        placed_ = true;
        Place(wantedWidth);
    }
    show();
    raise();
    activateWindow();
    return opening;
}

void SideWindow::Place(int wantedWidth)
{
    const QWidget& owner = *parentWidget();
    const QRect window = owner.frameGeometry();
    const QRect screen = owner.screen()->availableGeometry();
    // This window's frame, which it does not have until it is shown: taken to be the owner's.
    const QSize frame = window.size() - owner.size();
    const QSize wanted(std::clamp(wantedWidth, width(), screen.width() / 2), height());
    if (PlaceAmongOthers(wanted, frame, screen, window)) {
        return;
    }
    const int right = screen.right() - window.right() - kGap - frame.width();
    const int left = window.left() - screen.left() - kGap - frame.width();
    const int below = screen.bottom() - window.bottom() - kGap - frame.height();
    const int tall = std::min(wanted.height(), screen.bottom() - window.top() - frame.height());
    const QSize least = Least();
    if (std::max(right, left) >= least.width() && tall >= least.height()) {
        const int w = std::min(wanted.width(), std::max(right, left));
        resize(w, tall);
        move(right >= left ? window.right() + 1 + kGap : window.left() - kGap - frame.width() - w,
             window.top());
    } else if (below >= least.height()) {
        resize(std::min(wanted.width(), screen.width() - frame.width()), below);
        move(std::clamp(window.left(), screen.left(), screen.right() + 1 - frameSize().width()),
             window.bottom() + 1 + kGap);
    } else {
        setGeometry(QRect(board_.mapToGlobal(QPoint(0, 0)), board_.size() - frame));
    }
}

// Smaller than this a window is no use, nor smaller than its contents allow.
QSize SideWindow::Least() const
{
    return kLeast.expandedTo(minimumSizeHint());
}

// The places tried in turn: to the right and to the left, at the top or below another such
// window, then below. Made smaller to fit the screen there, if it must, but not below the least
// size of use; the first place that is clear of the main window and of the others is taken.
bool SideWindow::PlaceAmongOthers(const QSize& client, const QSize& frame, const QRect& screen,
                                  const QRect& owner)
{
    const QSize size = client + frame;
    std::vector<QRect> taken{owner};
    std::vector<int> tops{owner.top()};
    for (const SideWindow* other : parentWidget()->findChildren<SideWindow*>()) {
        if (other != this && other->isVisible()) {
            taken.push_back(other->frameGeometry());
            tops.push_back(other->frameGeometry().bottom() + 1 + kGap);
        }
    }
    std::vector<QRect> places;
    places.reserve(2 * tops.size() + 1);
    for (const int top : tops) {
        places.emplace_back(QPoint(owner.right() + 1 + kGap, top), size);
    }
    for (const int top : tops) {
        places.emplace_back(QPoint(owner.left() - kGap - size.width(), top), size);
    }
    places.emplace_back(
        QPoint(std::clamp(owner.left(), screen.left(), screen.right() + 1 - size.width()),
               owner.bottom() + 1 + kGap),
        size);
    const QSize least = Least() + frame;
    for (const bool shrunk : {false, true}) {
        for (const QRect& place : places) {
            const QRect there = shrunk ? place.intersected(screen) : place;
            const bool clear = std::none_of(taken.begin(), taken.end(), [&there](const QRect& t) {
                return t.intersects(there);
            });
            if (clear && screen.contains(there) && there.width() >= least.width() &&
                there.height() >= least.height()) {
                resize(there.size() - frame);
                move(there.topLeft());
                return true;
            }
        }
    }
    return false;
}

} // namespace quarn
