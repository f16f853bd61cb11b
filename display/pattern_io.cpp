#include "pattern_io.h"

#include "pattern/pattern_error.h"
#include "pattern/pattern_reader.h"
#include "pattern/pattern_writer.h"
#include "pattern/placement.h"
#include "window_shortcut.h"

#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {

using quarn::Board;

// The board as RLE, saying what the text cannot: where the edge is.
std::string BoardRle(const quarn::Pattern& pattern)
{
    return quarn::WriteRle(pattern, {"A 30 x 30 board; the cells round it are always dead."});
}

const char* const kFileFilters = "Patterns (*.rle *.cells *.txt);;All files (*)";
const char* const kRleFilter = "RLE pattern (*.rle)";
const char* const kPlaintextFilter = "Plaintext pattern (*.cells)";

QString Described(const quarn::PatternError& error)
{
    QString message = QString::fromStdString(error.what());
    if (error.Line() == 0) {
        return message;
    }
    return QStringLiteral("Line %1, column %2: %3")
        .arg(error.Line())
        .arg(error.Column())
        .arg(message);
}

// The first local file among dropped or pasted URLs, if any.
QString LocalFile(const QMimeData& data)
{
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

} // namespace

PatternIo::PatternIo(QWidget& window, const quarn::Board& board, Loader load)
    : QObject(&window),
      window_(window),
      board_(board),
      load_(std::move(load))
{
    AddWindowShortcut(window_, QKeySequence::Copy, this, &PatternIo::Copy);
    AddWindowShortcut(window_, QKeySequence::Paste, this, &PatternIo::Paste);
    AddWindowShortcut(window_, QKeySequence::Open, this, &PatternIo::Open);
    AddWindowShortcut(window_, QKeySequence::Save, this, &PatternIo::Save);
    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
}

bool PatternIo::OpenFile(const QString& path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    QString problem;
    if (!info.exists()) {
        problem = QStringLiteral("There is no such file.");
    } else if (info.isDir()) {
        problem = QStringLiteral("It is a folder, not a file.");
    } else if (info.size() > static_cast<qint64>(quarn::kMaxPatternText)) {
        problem = QStringLiteral("The file is larger than 1 MiB, far more than any pattern for "
                                 "this board needs.");
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            problem = file.errorString();
        } else {
            // One byte more than may be read tells a file that grew since it was measured.
            return Load(file.read(static_cast<qint64>(quarn::kMaxPatternText) + 1),
                        QStringLiteral("“%1”").arg(name));
        }
    }
    Warn(QStringLiteral("Could not open “%1”.").arg(name), problem);
    return false;
}

bool PatternIo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &window_) {
        return false;
    }
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDropEvent*>(event);
        if (!LocalFile(*drag->mimeData()).isEmpty() || drag->mimeData()->hasText()) {
            drag->acceptProposedAction();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString file = LocalFile(*drop->mimeData());
        const QByteArray text = drop->mimeData()->text().toUtf8();
        drop->acceptProposedAction();
        // Loaded once the drop is over, so that a warning box does not hold up the dragging
        // program.
        QTimer::singleShot(0, this, [this, file, text] {
            if (!file.isEmpty()) {
                OpenFile(file);
            } else {
                Load(text, QStringLiteral("The dropped text"));
            }
        });
        return true;
    }
    return false;
}

void PatternIo::Copy()
{
    const std::string text = BoardRle(BoardPattern());
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void PatternIo::Paste()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty()) {
        Load(text.toUtf8(), QStringLiteral("The text on the clipboard"));
    }
}

void PatternIo::Open()
{
    const QString path = QFileDialog::getOpenFileName(&window_, QStringLiteral("Open Pattern"),
                                                      QString(), QString::fromLatin1(kFileFilters));
    if (!path.isEmpty()) {
        OpenFile(path);
    }
}

void PatternIo::Save()
{
    QString filter = QString::fromLatin1(kRleFilter);
    QString path = QFileDialog::getSaveFileName(
        &window_, QStringLiteral("Save Pattern"), QStringLiteral("pattern.rle"),
        QStringLiteral("%1;;%2").arg(QString::fromLatin1(kRleFilter),
                                     QString::fromLatin1(kPlaintextFilter)),
        &filter);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += filter == QString::fromLatin1(kPlaintextFilter) ? QStringLiteral(".cells")
                                                                : QStringLiteral(".rle");
    }
    Write(path);
}

bool PatternIo::Load(const QByteArray& text, const QString& source)
{
    try {
        const quarn::Pattern pattern = quarn::ReadPattern(
            std::string_view(text.data(), static_cast<std::size_t>(text.size())));
        load_(quarn::PlacePattern(pattern, Board::kFieldSize, Board::kFieldSize));
        return true;
    } catch (const quarn::PatternError& error) {
        Warn(QStringLiteral("%1 is not a pattern the board can take.").arg(source),
             Described(error));
        return false;
    }
}

// Through a QSaveFile, so that a failed save leaves no half-written file and an existing one
// as it was.
bool PatternIo::Write(const QString& path)
{
    quarn::Pattern pattern = BoardPattern();
    pattern.name = QFileInfo(path).completeBaseName().toStdString();
    const bool plaintext =
        QFileInfo(path).suffix().compare(QStringLiteral("cells"), Qt::CaseInsensitive) == 0;
    const std::string text = plaintext ? quarn::WritePlaintext(pattern) : BoardRle(pattern);
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) &&
                       file.write(text.data(), static_cast<qint64>(text.size())) ==
                           static_cast<qint64>(text.size()) &&
                       file.commit();
    if (!saved) {
        Warn(QStringLiteral("Could not save “%1”.").arg(QFileInfo(path).fileName()),
             file.errorString());
    }
    return saved;
}

quarn::Pattern PatternIo::BoardPattern() const
{
    quarn::Pattern pattern;
    pattern.width = Board::kFieldSize;
    pattern.height = Board::kFieldSize;
    for (std::int16_t row = 1; row <= Board::kFieldSize; ++row) {
        for (std::int16_t column = 1; column <= Board::kFieldSize; ++column) {
            if (board_.CellAt(row, column) != 0) {
                pattern.AddLive(row - 1, column - 1, 1);
            }
        }
    }
    return pattern;
}

// Standard error as well as the box: a pattern named on the command line may have been meant
// for a terminal as much as for the window.
void PatternIo::Warn(const QString& what, const QString& why)
{
    std::fprintf(stderr, "game-of-quarn: %s %s\n", qPrintable(what), qPrintable(why));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Game of Quarn"), what, QMessageBox::Ok,
                    &window_);
    box.setInformativeText(why);
    box.exec();
}
