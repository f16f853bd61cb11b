#include "features/objects/objects_window.h"

#include "features/objects/board_objects.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QScreen>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace quarn {

namespace {

// At most once a second while the board runs: a list rewritten at every generation of a run costs
// more to draw than the board does, and nobody can read it that fast.
constexpr qint64 kFollowEveryMs = 1000;
// The most generations a chosen object is run on to follow it; after more, it is found again
// among the objects.
constexpr int kTrackFor = 64;

// An entry drawn as the style draws it, but for its text, which is wrapped to the list's width
// and laid out once for each line it has held of late: as the board runs, an entry's line
// changes at every generation, and lines come round again (an oscillator's, in each phase),
// where the style would lay every one out afresh at every painting, more than once.
class LineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = std::exchange(item.text, {});
        const QWidget* view = item.widget;
        QStyle* style = view != nullptr ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);
        const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &item, view);
        const QStaticText& line = Laid(text, item.font, TextWidth(option));
        painter->setFont(item.font);
        painter->setPen(item.palette.color(item.state.testFlag(QStyle::State_Selected)
                                               ? QPalette::HighlightedText
                                               : QPalette::Text));
        const QSizeF size = line.size();
        painter->drawStaticText(
            QPointF(room.left() + kMargin / 2.0, room.top() + (room.height() - size.height()) / 2),
            line);
    }

    // As tall as the line wrapped to the list's width.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const int width = TextWidth(option);
        const QStaticText& line = Laid(index.data().toString(), option.font, width);
        return {width + 2 * kMargin, std::max(static_cast<int>(std::ceil(line.size().height())),
                                              option.fontMetrics.height()) +
                                         kMargin};
    }

private:
    static constexpr int kMargin = 4;

    static int TextWidth(const QStyleOptionViewItem& option)
    {
        const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        const int room = view != nullptr ? view->viewport()->width() : option.rect.width();
        return std::max(room - 3 * kMargin, 4 * kMargin);
    }

    const QStaticText& Laid(const QString& text, const QFont& font, int width) const
    {
        constexpr qsizetype kKept = 512;
        if (laid_.size() > kKept) {
            laid_.clear();
        }
        const QString key = QString::number(width) + QLatin1Char(' ') + text;
        auto found = laid_.find(key);
        if (found == laid_.end()) {
            QStaticText line(text);
            line.setTextFormat(Qt::PlainText);
            line.setTextWidth(width);
            line.prepare(QTransform(), font);
            found = laid_.insert(key, line);
        }
        return found.value();
    }

    mutable QHash<QString, QStaticText> laid_;
};

} // namespace

ObjectsWindow::ObjectsWindow(BoardObjects& objects, QWidget& owner)
    : SideWindow(owner, objects.Area()),
      objects_(objects)
{
    setWindowTitle(tr("Objects"));
    setObjectName(QStringLiteral("objectsWindow"));
    fate_.setObjectName(QStringLiteral("objectsFate"));
    fate_.setWordWrap(true);
    fate_.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    list_.setObjectName(QStringLiteral("objectsList"));
    // The fate names the list, which a screen reader says as the list takes the focus, and not
    // again as a line of the window's own: it labels the list.
    fate_.setBuddy(&list_);
    list_.setModel(&model_);
    list_.setItemDelegate(new LineDelegate(&list_));
    list_.setWordWrap(true);
    list_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_.setResizeMode(QListView::Adjust);
    // No entry is current until a person chooses one: the list would otherwise make its first
    // entry current as it takes the focus, and say it.
    list_.setCurrentIndex({});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&fate_);
    layout->addWidget(&list_);
    resize(380, 300);

    // A choice is a selection, by the mouse or the arrows, not the current entry that the focus
    // alone may give the list.
    connect(list_.selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!showingChosen_) {
            const QModelIndexList selected = list_.selectionModel()->selectedIndexes();
            Choose(selected.isEmpty() ? -1 : selected.front().row());
        }
    });
    following_.setSingleShot(true);
    connect(&following_, &QTimer::timeout, this, &ObjectsWindow::Show);
}

void ObjectsWindow::OpenOrRaise()
{
    if (Present(WantedWidth())) {
        Remember({});
        Show();
        list_.setFocus();
    }
}

int ObjectsWindow::WantedWidth()
{
    int widest = list_.fontMetrics().horizontalAdvance(fate_.text());
    for (const Message& line : objects_.DescriptionNow().lines) {
        widest = std::max(widest, list_.fontMetrics().horizontalAdvance(BoardObjects::Words(line)));
    }
    constexpr int kRoom = 48; // the margins, the list's frame and a scroll bar
    return widest + kRoom;
}

void ObjectsWindow::Follow(bool running)
{
    if (!isVisible()) {
        return;
    }
    if (!running) {
        following_.stop();
        Show();
        return;
    }
    Track();
    Outline();
    if (!following_.isActive()) {
        const qint64 since = shown_.isValid() ? shown_.elapsed() : kFollowEveryMs;
        following_.start(static_cast<int>(std::max<qint64>(0, kFollowEveryMs - since)));
    }
}

void ObjectsWindow::ChooseAt(int row, int column)
{
    if (!isVisible()) {
        return;
    }
    const Census& census = objects_.Now();
    for (std::size_t i = 0; i < census.objects.size(); ++i) {
        if (census.objects[i].cells.Live(row, column)) {
            Remember(census.objects[i].cells);
            ShowChosen(static_cast<int>(i));
            Outline();
            return;
        }
    }
}

void ObjectsWindow::Show()
{
    if (!isVisible()) {
        return;
    }
    shown_.restart();
    const Description description = objects_.DescriptionNow();
    const QString fate = BoardObjects::Words(description.Outlook());
    fate_.setText(fate);
    // What a screen reader says of the list as it takes the focus: the fate, and its entries.
    list_.setAccessibleName(fate);
    const Census& census = objects_.Now();
    std::vector<ObjectsModel::Object> listed;
    for (std::size_t i = 0; i < description.lines.size() && i < census.objects.size(); ++i) {
        listed.push_back({description.lines[i], census.objects[i].cells});
    }
    // Entries that come and go move the current one, which is no choice of anyone's.
    showingChosen_ = true;
    model_.SetObjects(std::move(listed));
    showingChosen_ = false;
    const RunRecord& record = objects_.Record();
    listedRun_ = record.Run();
    listedWay_ = record.Way();
    listedSize_ = record.Size();
    Track();
    int entry = -1;
    for (std::size_t i = 0; i < census.objects.size() && !chosen_.Empty(); ++i) {
        if (census.objects[i].cells == chosen_) {
            entry = static_cast<int>(i);
        }
    }
    ShowChosen(entry);
    Outline();
}

// A chosen glider goes on gliding: the object run on its own is the object, for as long as
// nothing else on the board comes near it. Otherwise the object that overlaps the one chosen
// is the one now, as after a click that changed it, or undo; and after a reset, nothing is.
void ObjectsWindow::Track()
{
    const RunRecord& record = objects_.Record();
    const int ran = record.Size() - chosenSize_;
    if (chosen_.Empty() || record.Run() != chosenRun_) {
        Remember({});
        return;
    }
    if (record.Way() == chosenWay_ && ran == 0) {
        return; // the board as it was when chosen
    }
    if (record.Way() == chosenWay_ && ran > 0 && ran <= kTrackFor) {
        Field moved = chosen_;
        for (int i = 0; i < ran; ++i) {
            moved = moved.Next();
        }
        if (!moved.Empty() && (record.Now() & moved.Within(1)) == moved) {
            Remember(moved);
            return;
        }
    }
    Remember(Overlapping(chosen_));
}

Field ObjectsWindow::Overlapping(const Field& cells)
{
    const Field around = cells.Within(1);
    for (const BoardObject& object : objects_.Now().objects) {
        if (!(around & object.cells).Empty()) {
            return object.cells;
        }
    }
    return {};
}

void ObjectsWindow::Remember(const Field& chosen)
{
    const RunRecord& record = objects_.Record();
    chosen_ = chosen;
    chosenRun_ = record.Run();
    chosenWay_ = record.Way();
    chosenSize_ = record.Size();
}

void ObjectsWindow::ShowChosen(int entry)
{
    const QModelIndex index = model_.index(entry);
    if (list_.currentIndex() == index &&
        list_.selectionModel()->isSelected(index) == (entry >= 0)) {
        return;
    }
    showingChosen_ = true;
    list_.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    showingChosen_ = false;
}

void ObjectsWindow::hideEvent(QHideEvent* event)
{
    following_.stop();
    Remember({});
    ShowChosen(-1);
    emit OutlineGone();
    SideWindow::hideEvent(event);
}

// The row's object as the list shows it, which may be a second behind a running board: taken
// from when the list was made, and followed from there to the board now.
void ObjectsWindow::Choose(int entry)
{
    chosen_ = model_.CellsAt(entry);
    chosenRun_ = listedRun_;
    chosenWay_ = listedWay_;
    chosenSize_ = listedSize_;
    Track();
    Outline();
    if (!chosen_.Empty()) {
        const FieldCell first = chosen_.First();
        emit Chosen(first.row, first.column);
    }
}

void ObjectsWindow::Outline()
{
    if (chosen_.Empty()) {
        emit OutlineGone();
        return;
    }
    const FieldCell top = chosen_.TopLeft();
    const FieldCell bottom = chosen_.BottomRight();
    emit Outlined(top.row, top.column, bottom.row, bottom.column);
}

} // namespace quarn
