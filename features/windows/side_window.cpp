#include "features/windows/side_window.h"

#include <QLayout>
#include <QScreen>

#include <algorithm>
#include <utility>
#include <vector>

namespace quarn {

namespace {

constexpr int kGap = 8;
constexpr QSize kLeast(140, 100);

qint64 Area(const QRect& rect)
{
    return rect.isEmpty() ? 0 : qint64{rect.width()} * rect.height();
}

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
    // No narrower than it is, even where half the screen is narrower still.
    const QSize wanted(std::clamp(wantedWidth, width(), std::max(width(), screen.width() / 2)),
                       height());
    if (!PlaceBeside(wanted, frame, screen, window)) {
        setGeometry(QRect(board_.mapToGlobal(QPoint(0, 0)), board_.size() - frame));
    }
}

// Smaller than this a window is no use, nor smaller than its contents allow: its layout, made
// ready here as showing would make it, sets how small the window can be made.
QSize SideWindow::Least()
{
    if (layout() != nullptr) {
        layout()->activate();
    }
    return kLeast.expandedTo(minimumSizeHint()).expandedTo(minimumSize());
}

// The places tried in turn: to the right and to the left, at the top or below another such
// window, then below. The first that is clear of the others is taken: at the size wanted, else
// made smaller to fit the screen there, but not below the least size of use; else the first that
// fits, over another such window.
bool SideWindow::PlaceBeside(const QSize& client, const QSize& frame, const QRect& screen,
                             const QRect& owner)
{
    const QSize size = client + frame;
    std::vector<QRect> others;
    std::vector<int> tops{owner.top()};
    for (const SideWindow* other : parentWidget()->findChildren<SideWindow*>()) {
        if (other != this && other->isVisible()) {
            others.push_back(other->frameGeometry());
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
        // Kept on the screen's left edge where it is wider than the screen.
        QPoint(std::max(screen.left(), std::min(owner.left(), screen.right() + 1 - size.width())),
               owner.bottom() + 1 + kGap),
        size);
    const QSize least = Least() + frame;
    // Every place lies clear of the main window, beside it. Made smaller, the window takes the
    // place where the most of it is left.
    for (const auto& [shrunk, apart] : {std::pair{false, true}, {true, true}, {true, false}}) {
        QRect best;
        for (const QRect& place : places) {
            const QRect there = shrunk ? place.intersected(screen) : place;
            const bool clear =
                !apart || std::none_of(others.begin(), others.end(), [&there](const QRect& other) {
                    return other.intersects(there);
                });
            if (clear && screen.contains(there) && there.width() >= least.width() &&
                there.height() >= least.height() && Area(there) > Area(best)) {
                best = there;
                if (!shrunk) {
                    break;
                }
            }
        }
        if (!best.isEmpty()) {
            resize(best.size() - frame);
            move(best.topLeft());
            return true;
        }
    }
    return false;
}

} // namespace quarn
