#include "features/windows/side_window.h"

#include <QScreen>

#include <algorithm>
#include <vector>

namespace quarn {

namespace {

constexpr int kGap = 8;
constexpr QSize kLeast(140, 100); // smaller than this a window is no use

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
    if (std::max(right, left) >= kLeast.width()) {
        const int w = std::min(wanted.width(), std::max(right, left));
        resize(w, tall);
        move(right >= left ? window.right() + 1 + kGap : window.left() - kGap - frame.width() - w,
             window.top());
    } else if (below >= kLeast.height()) {
        resize(std::min(wanted.width(), screen.width() - frame.width()), below);
        move(std::clamp(window.left(), screen.left(), screen.right() + 1 - frameSize().width()),
             window.bottom() + 1 + kGap);
    } else {
        setGeometry(QRect(board_.mapToGlobal(QPoint(0, 0)), board_.size() - frame));
    }
}

bool SideWindow::PlaceAmongOthers(const QSize& client, const QSize& frame, const QRect& screen,
                                  const QRect& owner)
{
    const QSize size = client + frame;
    const int gap = kGap;
    std::vector<QRect> taken{owner};
    std::vector<int> tops{owner.top()};
    for (const SideWindow* other : parentWidget()->findChildren<SideWindow*>()) {
        if (other != this && other->isVisible()) {
            taken.push_back(other->frameGeometry());
            tops.push_back(other->frameGeometry().bottom() + 1 + gap);
        }
    }
    std::vector<QPoint> places;
    places.reserve(2 * tops.size() + 1);
    for (const int top : tops) {
        places.emplace_back(owner.right() + 1 + gap, top);
    }
    for (const int top : tops) {
        places.emplace_back(owner.left() - gap - size.width(), top);
    }
    places.emplace_back(std::clamp(owner.left(), screen.left(), screen.right() + 1 - size.width()),
                        owner.bottom() + 1 + gap);
    for (const QPoint& place : places) {
        const QRect there(place, size);
        const bool clear = std::none_of(taken.begin(), taken.end(),
                                        [&there](const QRect& t) { return t.intersects(there); });
        if (clear && screen.contains(there)) {
            resize(client);
            move(place);
            return true;
        }
    }
    return false;
}

} // namespace quarn
