#include "features/files/pattern_transfer.h"

#include "features/files/examples.h"
#include "features/files/whole_file.h"
#include "pattern/board_pattern.h"
#include "pattern/pattern_error.h"
#include "pattern/pattern_reader.h"
#include "pattern/pattern_writer.h"
#include "pattern/placement.h"
#include "translations/translations.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace quarn {

namespace {

// The board as RLE, saying what the text cannot: where the edge is.
std::string BoardRle(const Pattern& pattern)
{
    return WriteRle(pattern, {"A 30 x 30 board; the cells round it are always dead."});
}

const char* const kFileFilters =
    QT_TRANSLATE_NOOP("quarn::PatternTransfer", "Patterns (*.rle *.cells *.txt);;All files (*)");
const char* const kRleFilter = QT_TRANSLATE_NOOP("quarn::PatternTransfer", "RLE pattern (*.rle)");
const char* const kPlaintextFilter =
    QT_TRANSLATE_NOOP("quarn::PatternTransfer", "Plaintext pattern (*.cells)");

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

// Where Save suggests saving: the folder of the file opened or saved last, or the working folder;
// but never a folder the person cannot write to, nor the installed examples, which root could
// overwrite. Then the person's documents, or home.
QString SaveFolder(const QString& last)
{
    const QFileInfo folder(last.isEmpty() ? QDir::currentPath() : last);
    const QFileInfo examples(Examples::InstalledFolder());
    const bool isExamples =
        examples.exists() && folder.canonicalFilePath() == examples.canonicalFilePath();
    if (folder.isDir() && folder.isWritable() && !isExamples) {
        return folder.absoluteFilePath();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// Plaintext for ".cells", in any case; RLE for every other name.
bool IsPlaintextName(const QString& path)
{
    return QFileInfo(path).suffix().compare(QStringLiteral("cells"), Qt::CaseInsensitive) == 0;
}

} // namespace

PatternTransfer::PatternTransfer(QWidget& window, const Board& board)
    : QObject(&window),
      window_(window),
      board_(board)
{
    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
    connect(&file_, &PatternFile::Placed, this, [this](const std::vector<Cell>& cells) {
        lastName_ = file_.Name();
        emit PatternRead(cells);
    });
    connect(&file_, &PatternFile::Refused, this, &PatternTransfer::Warn);
}

void PatternTransfer::OpenFile(const QByteArray& path)
{
    const QString name = QFile::decodeName(path);
    lastFolder_ = QFileInfo(name).absolutePath();
    file_.Open(path);
}

bool PatternTransfer::eventFilter(QObject* watched, QEvent* event)
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
                OpenFile(QFile::encodeName(file));
            } else {
                Load(text, tr("The dropped text"));
            }
        });
        return true;
    }
    return false;
}

void PatternTransfer::Copy()
{
    const std::string text = BoardRle(PatternOfBoard(board_));
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    emit Said(tr("Copied the board as a pattern."));
}

void PatternTransfer::Paste()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty()) {
        Load(text.toUtf8(), tr("The text on the clipboard"));
    }
}

void PatternTransfer::Open()
{
    const QString path = AskOpenName();
    if (!path.isEmpty()) {
        OpenFile(QFile::encodeName(path));
    }
}

// Loaded as a file would be; Save then suggests the example's name, but Open starts where it
// did.
void PatternTransfer::OpenExample(const QString& name)
{
    const Examples::Opened example = Examples::Open(name);
    if (!example.error.isEmpty()) {
        Warn(tr("Could not open the example “%1”.").arg(name), example.error);
        return;
    }
    if (Load(example.text, tr("The example “%1”").arg(example.fileName))) {
        lastName_ = example.fileName;
    }
}

// The dialog offers the examples folder among its places.
QString PatternTransfer::AskOpenName()
{
    QFileDialog dialog(&window_, tr("Open Pattern"), lastFolder_, tr(kFileFilters));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (const QString examples = Examples::InstalledFolder(); !examples.isEmpty()) {
        QList<QUrl> places = dialog.sidebarUrls();
        places.append(QUrl::fromLocalFile(examples));
        dialog.setSidebarUrls(places);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

void PatternTransfer::Save()
{
    // The board as it is now, whatever a run does behind the dialog.
    const Pattern pattern = PatternOfBoard(board_);
    const QString path = AskSaveName();
    if (!path.isEmpty()) {
        Write(path, pattern);
    }
}

// The dialog settles the extension of a bare name before it asks whether to replace a file, so
// that the question is about the file that will be written.
QString PatternTransfer::AskSaveName()
{
    const QString rle = tr(kRleFilter);
    const QString plaintext = tr(kPlaintextFilter);
    QFileDialog dialog(&window_, tr("Save Pattern"), SaveFolder(lastFolder_),
                       QStringLiteral("%1;;%2").arg(rle, plaintext));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const auto follow = [&dialog, plaintext](const QString& filter) {
        dialog.setDefaultSuffix(filter == plaintext ? QStringLiteral("cells")
                                                    : QStringLiteral("rle"));
    };
    connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
    const bool cells = IsPlaintextName(lastName_);
    dialog.selectNameFilter(cells ? plaintext : rle);
    follow(cells ? plaintext : rle);
    dialog.selectFile(lastName_.isEmpty()
                          ? QStringLiteral("pattern.rle")
                          : QFileInfo(lastName_).completeBaseName() +
                                (cells ? QStringLiteral(".cells") : QStringLiteral(".rle")));
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

bool PatternTransfer::Load(const QByteArray& text, const QString& source)
{
    std::vector<Cell> cells;
    QString what;
    QString why;
    if (!PlaceText(text, source, cells, what, why)) {
        Warn(what, why);
        return false;
    }
    emit PatternRead(cells);
    return true;
}

bool PatternTransfer::Write(const QString& path, Pattern pattern)
{
    pattern.name = QFileInfo(path).completeBaseName().toStdString();
    const std::string text = IsPlaintextName(path) ? WritePlaintext(pattern) : BoardRle(pattern);
    const QString why =
        WriteWholeFile(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    if (!why.isEmpty()) {
        Warn(tr("Could not save “%1”.").arg(QFileInfo(path).fileName()), why);
        return false;
    }
    Remember(path);
    emit Said(tr("Saved %1.").arg(QFileInfo(path).fileName()));
    return true;
}

QString PatternTransfer::SuggestedFolder() const
{
    return SaveFolder(lastFolder_);
}

QString PatternTransfer::SuggestedName() const
{
    return lastName_.isEmpty() ? QString() : QFileInfo(lastName_).completeBaseName();
}

// Open and Save start where the last file was, and Save suggests its name.
void PatternTransfer::Remember(const QString& path)
{
    const QFileInfo info(path);
    lastFolder_ = info.absolutePath();
    lastName_ = info.fileName();
}

// Standard error as well as the box: a pattern named on the command line may have been meant
// for a terminal as much as for the window.
void PatternTransfer::Warn(const QString& what, const QString& why)
{
    std::fprintf(stderr, "game-of-quarn: %s %s\n", qPrintable(what), qPrintable(why));
    QMessageBox box(QMessageBox::Warning, tr("Game of Quarn"), what, QMessageBox::Ok, &window_);
    box.setInformativeText(why);
    box.exec();
}

} // namespace quarn
