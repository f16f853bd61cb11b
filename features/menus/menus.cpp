#include "features/menus/menus.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace quarn {

namespace {

QString Keys(const QList<QKeySequence>& keys)
{
    QStringList texts;
    for (const QKeySequence& key : keys) {
        texts << key.toString(QKeySequence::NativeText);
    }
    return texts.join(QStringLiteral(", "));
}

// The key a person knows a command by: the first of its bindings.
QString Key(QKeySequence::StandardKey key)
{
    return Keys({QKeySequence(key)});
}

QList<QKeySequence> RedoKeys()
{
    // Ctrl+Y as well, which many programs on this desktop take for redo too.
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y);
    if (!keys.contains(ctrlY)) {
        keys.append(ctrlY);
    }
    return keys;
}

QList<QKeySequence> SaveKeys()
{
    return {QKeySequence(QKeySequence::Save), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)};
}

QList<QKeySequence> ObjectsKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)};
}

QList<QKeySequence> PopulationKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)};
}

QList<QKeySequence> MomentsKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M)};
}

QList<QKeySequence> TrailKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T)};
}

QList<QKeySequence> NextGenerationKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)};
}

QList<QKeySequence> SoundKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H)};
}

} // namespace

Menus::Menus(QMenuBar& bar, QWidget& window, const std::vector<Example>& examples,
             std::vector<const KeyTable*> widgetKeys)
    : QObject(&window),
      bar_(bar),
      window_(window),
      widgetKeys_(std::move(widgetKeys))
{
    // In the window, never in a desktop-wide bar: the window's layout counts on it.
    bar_.setNativeMenuBar(false);

    QMenu* file = bar_.addMenu(tr("&File"));
    AddEntry(*file, tr("&Open…"), QKeySequence::keyBindings(QKeySequence::Open),
             &Menus::OpenRequested);
    AddExamples(*file->addMenu(tr("Open &Example")), examples);
    AddEntry(*file, tr("Save &As…"), SaveKeys(), &Menus::SaveRequested);
    AddEntry(*file, tr("Export &Picture…"), {}, &Menus::ExportPictureRequested);
    AddEntry(*file, tr("Export A&nimation…"), {}, &Menus::ExportAnimationRequested);
    file->addSeparator();
    AddEntry(*file, tr("&Quit"), QKeySequence::keyBindings(QKeySequence::Quit),
             &Menus::QuitRequested);

    QMenu* edit = bar_.addMenu(tr("&Edit"));
    undo_ =
        AddEntry(*edit, {}, QKeySequence::keyBindings(QKeySequence::Undo), &Menus::UndoRequested);
    redo_ = AddEntry(*edit, {}, RedoKeys(), &Menus::RedoRequested);
    edit->addSeparator();
    AddEntry(*edit, tr("&Copy"), QKeySequence::keyBindings(QKeySequence::Copy),
             &Menus::CopyRequested);
    paste_ = AddEntry(*edit, tr("&Paste"), QKeySequence::keyBindings(QKeySequence::Paste),
                      &Menus::PasteRequested);

    QMenu* view = bar_.addMenu(tr("&View"));
    AddEntry(*view, tr("&Objects"), ObjectsKeys(), &Menus::ObjectsRequested);
    AddEntry(*view, tr("&Population"), PopulationKeys(), &Menus::PopulationRequested);
    AddEntry(*view, tr("&Moments"), MomentsKeys(), &Menus::MomentsRequested);
    view->addSeparator();
    AddSwitch(*view, tr("&Trail"), TrailKeys(), &Menus::TrailShown);
    AddSwitch(*view, tr("&Next Generation"), NextGenerationKeys(), &Menus::NextGenerationShown);
    AddSwitch(*view, tr("&Sound While Running"), SoundKeys(), &Menus::SoundWhileRunning);

    QMenu* help = bar_.addMenu(tr("&Help"));
    help->addAction(tr("&Keys and Mouse…"), this, &Menus::ShowKeys);
    help->addAction(tr("&About Game of Quarn"), this, &Menus::ShowAbout);

    ShowUndo(false, {});
    ShowRedo(false, {});
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &Menus::FollowClipboard);
    FollowClipboard();

    // F10 opens the first menu, as it does in the desktop's other programs.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(Qt::Key_F10);
    connect(menuKey, &QAction::triggered, this, &Menus::OpenFirstMenu);
    window_.addAction(menuKey);
}

void Menus::ShowUndo(bool available, const QString& action)
{
    undo_->setEnabled(available);
    undo_->setText(action.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(action));
}

void Menus::ShowRedo(bool available, const QString& action)
{
    redo_->setEnabled(available);
    redo_->setText(action.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(action));
}

QAction* Menus::AddEntry(QMenu& menu, const QString& text, const QList<QKeySequence>& keys,
                         void (Menus::*signal)()) const
{
    QAction* action = menu.addAction(text);
    action->setShortcuts(keys);
    // The program's shortcuts work in its side windows too.
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this, signal);
    return action;
}

// An entry that is on or off, off at start.
void Menus::AddSwitch(QMenu& menu, const QString& text, const QList<QKeySequence>& keys,
                      void (Menus::*signal)(bool)) const
{
    QAction* action = menu.addAction(text);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::ApplicationShortcut);
    action->setCheckable(true);
    connect(action, &QAction::toggled, this, signal);
}

void Menus::AddExamples(QMenu& menu, const std::vector<Example>& examples)
{
    // In the order of the names the person reads.
    std::vector<Example> sorted = examples;
    std::sort(sorted.begin(), sorted.end(), [](const Example& a, const Example& b) {
        return QString::localeAwareCompare(a.second, b.second) < 0;
    });
    for (const Example& example : sorted) {
        connect(menu.addAction(example.second), &QAction::triggered, this,
                [this, name = example.first] { emit ExampleRequested(name); });
    }
}

// Paste is there to use only while the clipboard holds some text.
void Menus::FollowClipboard()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    paste_->setEnabled(data != nullptr && data->hasText() && !data->text().isEmpty());
}

void Menus::OpenFirstMenu()
{
    bar_.setActiveAction(bar_.actions().value(0));
}

void Menus::ShowKeys()
{
    const QString row = QStringLiteral("<tr><td>%1</td><td>%2</td></tr>");
    QString table = QStringLiteral("<table cellspacing='4'>");
    table += QStringLiteral("<tr><th colspan='2' align='left'>%1</th></tr>").arg(tr("Mouse"));
    table += row.arg(tr("Click a cell, any button"), tr("Switch it on or off"));
    table += row.arg(tr("Drag from a cell"),
                     tr("Set every cell passed over as the first went: draw or erase"));
    table += row.arg(tr("Drop a file or text"), tr("Load the pattern"));
    table += row.arg(tr("Rest the pointer on an object"), tr("What it is and where, in a tip"));
    table += row.arg(tr("Rest the pointer on a cell, with the next generation shown"),
                     tr("Why it lives or dies at the next step, in a tip"));
    for (const KeyTable* keys : widgetKeys_) {
        table += QStringLiteral("<tr><th colspan='2' align='left'>%1</th></tr>").arg(keys->Title());
        for (const auto& [pressed, does] : keys->Rows()) {
            table += row.arg(pressed, does);
        }
    }
    table += QStringLiteral("<tr><th colspan='2' align='left'>%1</th></tr>").arg(tr("Anywhere"));
    table += row.arg(tr("Space, Enter"), tr("Press the button that has the focus"));
    table += row.arg(Key(QKeySequence::Open), tr("Open a pattern"));
    table += row.arg(Keys(SaveKeys()), tr("Save the board as a pattern"));
    table += row.arg(Key(QKeySequence::Copy), tr("Copy the board as RLE"));
    table += row.arg(Key(QKeySequence::Paste), tr("Load the pattern on the clipboard"));
    table += row.arg(Keys(ObjectsKeys()), tr("The objects on the board, in a window of their own"));
    table += row.arg(Keys(PopulationKeys()), tr("The live cells at each step, in a graph"));
    table += row.arg(Keys(MomentsKeys()),
                     tr("The moments of the run, in a list: Enter takes the board to one"));
    table += row.arg(Keys(TrailKeys()), tr("Show where life has been since the last fill or load"));
    table += row.arg(Keys(NextGenerationKeys()),
                     tr("Mark the cells about to be born with a ring, those about to die with a "
                        "cross"));
    table += row.arg(Keys(SoundKeys()), tr("Hear each generation of a run as a tone"));
    table += row.arg(Key(QKeySequence::Undo), tr("Undo"));
    table += row.arg(Keys(RedoKeys()), tr("Redo"));
    table += row.arg(Keys({QKeySequence(Qt::Key_F10)}), tr("Open the menus"));
    table += row.arg(Key(QKeySequence::Quit), tr("Quit"));
    table += QStringLiteral("</table>");
    ShowPage(tr("Keys and Mouse"), table);
}

// A page of rows that may be taller than the screen: it scrolls within a window that fits, with
// its Close button always in sight.
void Menus::ShowPage(const QString& title, const QString& html)
{
    QDialog page(&window_);
    page.setWindowTitle(title);
    auto* text = new QTextBrowser(&page);
    text->setObjectName(QStringLiteral("keysPage"));
    text->setHtml(html);
    text->setFrameShape(QFrame::NoFrame);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &page);
    connect(buttons, &QDialogButtonBox::rejected, &page, &QDialog::reject);
    auto* layout = new QVBoxLayout(&page);
    layout->addWidget(text);
    layout->addWidget(buttons);
    // As wide as the rows laid out on a label, which gives a table its natural width, and as
    // tall as they are or as the screen allows.
    const QRect screen = window_.screen()->availableGeometry();
    QLabel natural;
    natural.setTextFormat(Qt::RichText);
    natural.setText(html);
    const QMargins around = layout->contentsMargins();
    const int room =
        around.left() + around.right() + text->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8;
    const int width = std::min(natural.sizeHint().width() + room, screen.width() * 9 / 10);
    QTextDocument* rows = text->document();
    rows->setTextWidth(width - room);
    const int height = static_cast<int>(std::ceil(rows->size().height())) + around.top() +
                       around.bottom() + layout->spacing() + buttons->sizeHint().height() + 8;
    page.resize(width, std::min(height, screen.height() * 8 / 10));
    page.exec();
}

void Menus::ShowAbout()
{
    QMessageBox::about(
        &window_, tr("About Game of Quarn"),
        tr("<h3>Game of Quarn %1</h3>"
           "<p>Runs a cellular automaton on a bounded board of 30 × 30 cells.</p>"
           "<p>A dead cell with exactly three live neighbours is born; a live cell with two or "
           "three live neighbours stays alive; every other cell is dead in the next "
           "generation. Past the edge of the board, every cell is dead.</p>"
           "<p>Free software under the GNU General Public License, version 3 or later "
           "(GPL-3.0-or-later).</p>")
            .arg(QCoreApplication::applicationVersion()));
}

} // namespace quarn
