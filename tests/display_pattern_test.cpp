#include "display/forms/interval_timer.h"
#include "features/access/announcer.h"
#include "features/files/pattern_file_reader.h"
#include "support/board_helpers.h"
#include "support/display_probe.h"
#include "support/reference_model.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using quarn::testing::CellCentre;
using quarn::testing::CellSet;
using quarn::testing::Interval;
using quarn::testing::LabelText;
using quarn::testing::LiveCells;
using quarn::testing::PictureArea;
using quarn::testing::PictureMismatch;
using quarn::testing::Press;

namespace {

const char* const kGlider = "#N Glider\nx = 3, y = 3, rule = B3/S23\nbo$2bo$3o!\n";
// Centred on the 30 x 30 field, rounding towards the top left: rows and columns 14 to 16.
const CellSet kCentredGlider{{14, 15}, {15, 16}, {16, 14}, {16, 15}, {16, 16}};

} // namespace

// Patterns in and out of the real window: the clipboard, a drop, and the program's command line.
class PatternTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void copyThenPasteBringsTheBoardBack();
    void badPasteChangesNothing();
    void dropLoadsFilesAndText();
    void readFile_data();
    void readFile();
    void save_data();
    void save();
    void commandLine_data();
    void commandLine();
    void exportedFramesAreTheRun_data();
    void exportedFramesAreTheRun();
    void exportFromTheWindow_data();
    void exportFromTheWindow();
    void exportToAFullDiskKeepsTheOldFile();
    void graphPictures();

private:
    // The program run with the arguments, in the language if one is given, checked against the
    // row; output is what it said.
    void Run(const QStringList& arguments, bool display, int status, const QString& says,
             const QString& language, QString& output);
    void Key(QKeySequence::StandardKey key);
    // Presses the key with a warning box expected; returns the box's text, having closed it.
    QString KeyAndWarning(QKeySequence::StandardKey key);
    void Drop(QMimeData* data);

    std::unique_ptr<frmDisplay> window_;
    QTemporaryDir scratch_;
};

void PatternTest::initTestCase()
{
    std::signal(SIGPIPE, SIG_IGN); // a write to a pipe given up on fails, and says so
    QFile bad(scratch_.filePath(QStringLiteral("bad.rle")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("x = 3, y = 3\nbo$2bq!\n");
    QFile comments(scratch_.filePath(QStringLiteral("comments.rle")));
    QVERIFY(comments.open(QIODevice::WriteOnly));
    comments.write("#C one\n#C two\n");
    QFile empty(scratch_.filePath(QStringLiteral("empty.cells")));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.write("!Name: Nothing\n...\n");
    // A blinker along the top edge, at columns 10 to 12, which the edge breaks, and a standing
    // one at column 2, rows 20 to 22: 30 rows of 30, so that it is placed where it stands.
    QFile edge(scratch_.filePath(QStringLiteral("edge.cells")));
    QVERIFY(edge.open(QIODevice::WriteOnly));
    for (int row = 1; row <= 30; ++row) {
        QByteArray line(30, '.');
        if (row == 1) {
            line.replace(9, 3, "OOO");
        }
        if (row >= 20 && row <= 22) {
            line[1] = 'O';
        }
        edge.write(line + '\n');
    }
    QCOMPARE(mkfifo(QFile::encodeName(scratch_.filePath(QStringLiteral("pipe.rle"))), 0600), 0);
    // A pattern whose name is an animation's, a link to it, and a pipe named as an animation.
    QFile same(scratch_.filePath(QStringLiteral("same.gif")));
    QVERIFY(same.open(QIODevice::WriteOnly));
    same.write(kGlider);
    same.close();
    QVERIFY(same.link(scratch_.filePath(QStringLiteral("link.gif"))));
    QCOMPARE(mkfifo(QFile::encodeName(scratch_.filePath(QStringLiteral("pipe.gif"))), 0600), 0);
}

void PatternTest::init()
{
    window_ = std::make_unique<frmDisplay>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QApplication::setActiveWindow(window_.get());
}

void PatternTest::cleanup()
{
    window_.reset();
}

void PatternTest::Key(QKeySequence::StandardKey key)
{
    // Shortcuts go to the active window, which a closed warning box may have left unset.
    QApplication::setActiveWindow(window_.get());
    const QKeyCombination combination = QKeySequence(key)[0];
    QTest::keyClick(window_.get(), combination.key(), combination.keyboardModifiers());
}

QString PatternTest::KeyAndWarning(QKeySequence::StandardKey key)
{
    QString text;
    QTimer::singleShot(0, this, [&text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text() + QLatin1Char(' ') + box->informativeText();
            box->accept();
        }
    });
    Key(key);
    return text;
}

void PatternTest::Drop(QMimeData* data)
{
    const QPoint at = PictureArea(*window_)->geometry().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &drop);
    QVERIFY(drop.isAccepted());
    QTRY_VERIFY(!LiveCells(window_->board()).empty());
}

void PatternTest::copyThenPasteBringsTheBoardBack()
{
    for (const QPoint cell : {QPoint(1, 1), QPoint(2, 30), QPoint(30, 30), QPoint(17, 4)}) {
        QTest::mouseClick(PictureArea(*window_), Qt::LeftButton, {},
                          CellCentre(cell.x(), cell.y()));
    }
    const CellSet drawn = LiveCells(window_->board());
    Key(QKeySequence::Copy);
    const QString copied = QApplication::clipboard()->text();
    QVERIFY2(copied.contains(QStringLiteral("x = 30, y = 30, rule = B3/S23")), qPrintable(copied));

    // Pasted onto a running board that has counted generations: it replaces the board as a
    // fill does.
    Press(*window_, "cmdRandom");
    Press(*window_, "cmdOneStep");
    Press(*window_, "cmdGo");
    Key(QKeySequence::Paste);
    QCOMPARE(LiveCells(window_->board()), drawn);
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: 0"));
    QCOMPARE(Interval(*window_), 0);
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());

    // A pattern smaller than the board is centred.
    QApplication::clipboard()->setText(QString::fromLatin1(kGlider));
    Key(QKeySequence::Paste);
    QCOMPARE(LiveCells(window_->board()), kCentredGlider);
}

void PatternTest::badPasteChangesNothing()
{
    Press(*window_, "cmdRandom");
    Press(*window_, "cmdOneStep");
    Press(*window_, "cmdOneStep");
    const CellSet before = LiveCells(window_->board());
    const QImage picture = quarn::testing::Grab(*window_);

    QApplication::clipboard()->setText(QStringLiteral("x = 3, y = 3\nbo$2bq!"));
    const QString warning = KeyAndWarning(QKeySequence::Paste);
    QVERIFY2(warning.contains(QStringLiteral("Line 2, column 6")), qPrintable(warning));
    QCOMPARE(LiveCells(window_->board()), before);
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: 2"));
    QCOMPARE(Interval(*window_), 0);
    QCOMPARE(quarn::testing::Grab(*window_), picture);

    // A run goes on through a refused paste; so does one with no text at all.
    Press(*window_, "cmdGo");
    QApplication::clipboard()->setText(QStringLiteral("x = 99, y = 1, rule = B36/S23\n!"));
    QVERIFY(KeyAndWarning(QKeySequence::Paste).contains(QStringLiteral("B36/S23")));
    QCOMPARE(Interval(*window_), 100);
    QApplication::clipboard()->clear();
    Key(QKeySequence::Paste);
    QCOMPARE(Interval(*window_), 100);
}

void PatternTest::dropLoadsFilesAndText()
{
    auto* text = new QMimeData;
    text->setText(QStringLiteral("!Name: Blinker\nOOO\n"));
    Drop(text);
    QCOMPARE(LiveCells(window_->board()), CellSet({{15, 14}, {15, 15}, {15, 16}}));
    delete text;

    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("glider.rle")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kGlider);
    file.close();
    Press(*window_, "cmdAllOff");
    auto* files = new QMimeData;
    files->setUrls({QUrl::fromLocalFile(file.fileName())});
    Drop(files);
    QCOMPARE(LiveCells(window_->board()), kCentredGlider);
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());
    delete files;
}

void PatternTest::readFile_data()
{
    QTest::addColumn<QString>("file");       // "pipe": a named pipe that the test writes to
    QTest::addColumn<QStringList>("writes"); // to the pipe, one a second
    QTest::addColumn<bool>("closes");        // the pipe after the writes; else it goes quiet
    QTest::addColumn<QString>("said");       // the text read, or a part of why not

    QTest::newRow("a pipe that is slow to start")
        << "pipe" << QStringList{"", "bo!"} << true << "bo!";
    QTest::newRow("a pipe that sends in parts")
        << "pipe" << QStringList{"b", "o!"} << true << "bo!";
    QTest::newRow("a pipe that stalls part of the way")
        << "pipe" << QStringList{"x = 3, y = 3\n"} << false
        << "stopped sending after 13 bytes: nothing more came for 5 seconds.";
    QTest::newRow("a character device")
        << "/dev/zero" << QStringList{} << false << "It is a device, not a file.";
}

void PatternTest::readFile()
{
    QFETCH(QString, file);
    QFETCH(QStringList, writes);
    QFETCH(bool, closes);
    QFETCH(QString, said);

    QTemporaryDir folder;
    const bool pipe = file == QStringLiteral("pipe");
    const QByteArray path = pipe ? QFile::encodeName(folder.filePath(file)) : file.toUtf8();
    QVERIFY(!pipe || mkfifo(path.constData(), 0600) == 0);
    quarn::PatternFileReader reader;
    QString heard;
    connect(&reader, &quarn::PatternFileReader::Read, this,
            [&heard](const QByteArray& text) { heard = QString::fromUtf8(text); });
    connect(&reader, &quarn::PatternFileReader::Failed, this,
            [&heard](const QString& why) { heard = why; });
    reader.Start(path);
    const int writer = pipe ? ::open(path.constData(), O_WRONLY | O_NONBLOCK) : -1;
    for (const QString& text : writes) {
        QTest::qWait(1000);
        QCOMPARE(::write(writer, qPrintable(text), static_cast<std::size_t>(text.size())),
                 text.size());
    }
    if (closes) {
        ::close(writer);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!heard.isEmpty(), 12000);
    if (pipe && !closes) {
        ::close(writer);
    }
    QVERIFY2(heard.contains(said), qPrintable(heard));
}

void PatternTest::save_data()
{
    QTest::addColumn<QString>("existing"); // a file there before, holding "old"
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("sizeLimit");   // the most bytes a file may take, or 0 for no limit
    QTest::addColumn<QString>("written"); // the file that holds the board afterwards, if any
    QTest::addColumn<QString>("said");    // by the boxes, in order

    QTest::newRow("a bare name takes its extension before the question")
        << "noext.rle"
        << "noext" << 0 << "noext.rle"
        << "noext.rle already exists";
    QTest::newRow("capitals still save plaintext") << ""
                                                   << "BOARD.CELLS" << 0 << "BOARD.CELLS"
                                                   << "";
    QTest::newRow("a failed save keeps the old file")
        << "old.rle"
        << "old.rle" << 40 << ""
        << "old.rle already exists | Could not save “old.rle”. File too large";
    QTest::newRow("a failed save leaves no new file") << ""
                                                      << "new.rle" << 40 << ""
                                                      << "Could not save “new.rle”. File too large";
}

// Ctrl+S as a person saves: the name typed into the dialog, Return, and Yes or OK to each box.
// A size limit makes the write fail for real, as a full disk does.
void PatternTest::save()
{
    QFETCH(QString, existing);
    QFETCH(QString, typed);
    QFETCH(int, sizeLimit);
    QFETCH(QString, written);
    QFETCH(QString, said);

    QTemporaryDir folder;
    if (!existing.isEmpty()) {
        QFile old(folder.filePath(existing));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old\n");
    }
    QApplication::clipboard()->setText(QString::fromLatin1(kGlider));
    Key(QKeySequence::Paste);

    QStringList boxes;
    QTimer answer;
    QPointer<QWidget> answered;
    connect(&answer, &QTimer::timeout, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == answered) {
            return;
        }
        answered = modal;
        // Queued, so that a box this opens is answered in its turn.
        QTimer::singleShot(0, modal, [&, modal] {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                boxes << box->text().simplified() + QLatin1Char(' ') + box->informativeText();
                QAbstractButton* yes = box->button(QMessageBox::Yes);
                (yes != nullptr ? yes : box->button(QMessageBox::Ok))->click();
            } else if (auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                edit->clear();
                QTest::keyClicks(edit, folder.filePath(typed));
                QTest::keyClick(edit, Qt::Key_Return);
            }
        });
    });
    answer.start(20);
    rlimit unlimited = {};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    if (sizeLimit > 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(sizeLimit), unlimited.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    Key(QKeySequence::Save);
    setrlimit(RLIMIT_FSIZE, &unlimited);

    const QStringList expectedBoxes = said.split(QStringLiteral(" | "), Qt::SkipEmptyParts);
    QCOMPARE(boxes.size(), expectedBoxes.size());
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        QVERIFY2(boxes[i].contains(expectedBoxes[i]), qPrintable(boxes[i]));
    }
    QStringList files = QDir(folder.path()).entryList(QDir::Files);
    QStringList expected{existing, written};
    expected.removeAll(QString());
    expected.removeDuplicates();
    QCOMPARE(files, expected);
    if (!written.isEmpty()) {
        QFile file(folder.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QCOMPARE(text.startsWith("!Name:"), written.endsWith(QStringLiteral(".CELLS")));
        QApplication::clipboard()->setText(QString::fromUtf8(text));
        Press(*window_, "cmdAllOff");
        Key(QKeySequence::Paste);
        QCOMPARE(LiveCells(window_->board()), kCentredGlider);
    } else if (!existing.isEmpty()) {
        QFile old(folder.filePath(existing));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old\n"));
    }
}

void PatternTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("display");
    QTest::addColumn<int>("status");   // or -1: it keeps running, its window open
    QTest::addColumn<QString>("says"); // on standard output or error
    // Run in each, every line said differently from English and every description whole.
    QTest::addColumn<QStringList>("languages");
    // A file that is there before and must be there after, of the same kind and byte for byte.
    QTest::addColumn<QString>("kept");

    // Without a display where none should be needed, or where an option must reach Qt.
    const QString bad = scratch_.filePath(QStringLiteral("bad.rle"));
    QTest::newRow("an unknown option, named whole")
        << QStringList{"-frobnicate"} << false << 1
        << "Unknown option 'frobnicate'.\n\nUsage:" << QStringList{} << QString();
    QTest::newRow("--version") << QStringList{"--version"} << false << 0
                               << "game-of-quarn " QUARN_VERSION "\n"
                               << QStringList{} << QString();
    QTest::newRow("--help-all names Qt's options")
        << QStringList{"--help-all"} << false << 0 << "--platform <name>" << QStringList{}
        << QString();
    QTest::newRow("one file at most") << QStringList{"a.rle", "b.rle"} << false << 1
                                      << "Give one file at most." << QStringList{} << QString();
    QTest::newRow("Qt's options go to Qt")
        << QStringList{"-platform", "offscreen", bad} << false << -1 << "bad.rle” is not a pattern"
        << QStringList{} << QString();
    QTest::newRow("a file it cannot read: the window opens anyway")
        << QStringList{bad} << true << -1 << "Line 2, column 6" << QStringList{} << QString();
    QTest::newRow("a pipe with no writer: no hang")
        << QStringList{scratch_.filePath(QStringLiteral("pipe.rle"))} << true << -1
        << "It is a pipe, and nothing came through it" << QStringList{} << QString();

    const QString examples = QStringLiteral(QUARN_EXAMPLES_DIR "/");
    QTest::newRow("--describe: a glider, placed as Open places it")
        << QStringList{"--describe", examples + "glider.cells"} << false << 0
        << "5 live cells in 1 object: a glider.\nGlider at row 14, column 14, heading down and "
           "to the right.\nThe board settles at step 59 into a block.\n"
        << QStringList{} << QString();
    QTest::newRow("--describe: rows and columns, and the dead edge")
        << QStringList{"--describe", scratch_.filePath(QStringLiteral("edge.cells"))} << false << 0
        << "6 live cells in 2 objects: a blinker and a changing group of 3 cells.\n"
           "Changing group of 3 cells at row 1, column 10.\nBlinker at row 20, column 2.\n"
           "The board repeats every 2 steps from step 2, as a blinker.\n"
        << QStringList{} << QString();
    QTest::newRow("--describe: a device, named as given")
        << QStringList{"--describe", "/dev/zero"} << false << 1
        << "Could not open “/dev/zero”. It is a device, not a file." << QStringList{} << QString();
    QTest::newRow("--describe: comments and no pattern, at no line")
        << QStringList{"--describe", scratch_.filePath(QStringLiteral("comments.rle"))} << false
        << 1 << "is not a pattern the board can take. The pattern has no header line"
        << QStringList{} << QString();
    QTest::newRow("--moments: a glider to the corner")
        << QStringList{"--moments", examples + "glider.cells"} << false << 0
        << "Step 57: the glider at row 29, column 28 meets the edge.\n"
           "Step 59: a block forms at row 29, column 29.\n"
           "Step 59: the board settles into a block.\n"
        << QStringList{} << QString();
    QTest::newRow("--moments in every language, each line in its words")
        << QStringList{"--moments", examples + "lightweight-ship.cells"} << false << 0 << "85"
        << QStringList{"de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8"} << QString();
    QTest::newRow("--moments: a file it cannot read, as Open says")
        << QStringList{"--moments", bad} << false << 1
        << "bad.rle” is not a pattern the board can take. Line 2, column 6" << QStringList{}
        << QString();
    QTest::newRow("--moments: an empty board")
        << QStringList{"--moments", scratch_.filePath(QStringLiteral("empty.cells"))} << false << 0
        << "Step 0: the board is empty.\n"
        << QStringList{} << QString();
    QTest::newRow("--export: a file it cannot read, as Open says")
        << QStringList{"--export", scratch_.filePath(QStringLiteral("no.png")), bad} << false << 1
        << "bad.rle” is not a pattern the board can take. Line 2, column 6" << QStringList{}
        << QString();
    QTest::newRow("--export: another type of file")
        << QStringList{"--export", scratch_.filePath(QStringLiteral("no.jpg")),
                       examples + "glider.cells"}
        << false << 1 << "A picture is saved as .png and an animation as .gif" << QStringList{}
        << QString();
    QTest::newRow("--export: a folder that is not there")
        << QStringList{"--export", scratch_.filePath(QStringLiteral("gone/no.png")),
                       examples + "glider.cells"}
        << false << 1 << "Could not export “" << QStringList{} << QString();
    QTest::newRow("--export: --steps past 1000")
        << QStringList{"--export", "no.gif", "--steps", "1001", examples + "glider.cells"} << false
        << 1 << "--steps takes a number from 0 to 1000." << QStringList{} << QString();
    QTest::newRow("--export: --scale not a number")
        << QStringList{"--export", "no.gif", "--scale", "big", examples + "glider.cells"} << false
        << 1 << "--scale takes a number from 1 to 8." << QStringList{} << QString();
    const QString same = scratch_.filePath(QStringLiteral("same.gif"));
    QTest::newRow("--export onto the pattern file itself: refused, the pattern kept")
        << QStringList{"--export", same, same} << false << 1
        << "Could not export “" + same + "”. It is the pattern file itself" << QStringList{}
        << same;
    QTest::newRow("--export onto a link to the pattern file: refused, the pattern kept")
        << QStringList{"--export", scratch_.filePath(QStringLiteral("link.gif")), same} << false
        << 1 << "It is the pattern file itself" << QStringList{} << same;
    const QString pipe = scratch_.filePath(QStringLiteral("pipe.gif"));
    QTest::newRow("--export into a pipe nobody reads: said, still a pipe")
        << QStringList{"--export", pipe, examples + "glider.cells"} << false << 1
        << "It is a pipe, and nothing is reading from it." << QStringList{} << pipe;
    QTest::newRow("--export with --describe: not together, nothing written")
        << QStringList{"--export", scratch_.filePath(QStringLiteral("no.gif")), "--describe", same}
        << false << 1 << "--describe, --moments and --export do not go together" << QStringList{}
        << QString();
    QTest::newRow("--trail and --steps without --export")
        << QStringList{"--describe", "--trail", "--steps", "3", same} << false << 1
        << "--steps, --scale, --trail, --graph and --graph-only go with --export." << QStringList{}
        << QString();
    QTest::newRow("--graph-only makes no animation")
        << QStringList{"--export", scratch_.filePath(QStringLiteral("no.gif")), "--graph-only",
                       examples + "glider.cells"}
        << false << 1 << "--graph-only makes a picture: give a name ending in .png."
        << QStringList{} << QString();
    QTest::newRow("--help-all in every language, whole")
        << QStringList{"--help-all"} << false << 0 << "--platform"
        << QStringList{"de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8"} << QString();
}

// The real program: its options answered before any window, and a file it cannot read told on
// standard error while the window stays open.
void PatternTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, display);
    QFETCH(int, status);
    QFETCH(QString, says);
    QFETCH(QStringList, languages);
    QFETCH(QString, kept);

    QByteArray keptBytes;
    if (QFileInfo(kept).isFile()) {
        QFile file(kept);
        QVERIFY(file.open(QIODevice::ReadOnly));
        keptBytes = file.readAll();
    }
    QString english;
    Run(arguments, display, status, says, {}, english);
    if (!kept.isEmpty()) {
        struct stat after = {};
        QCOMPARE(stat(QFile::encodeName(kept).constData(), &after), 0);
        QCOMPARE(S_ISFIFO(after.st_mode), kept.contains(QStringLiteral("pipe")));
        QFile file(kept);
        QVERIFY(S_ISFIFO(after.st_mode) || file.open(QIODevice::ReadOnly));
        QCOMPARE(S_ISFIFO(after.st_mode) ? QByteArray() : file.readAll(), keptBytes);
        QCOMPARE(QDir(scratch_.path())
                     .entryList({QFileInfo(kept).fileName() + '*'}, QDir::AllEntries | QDir::System)
                     .size(),
                 1);
    }
    for (const QString& language : languages) {
        QString said;
        Run(arguments, display, status, says, language, said);
        // Each line said, in its own words: a description whole, without the names before it.
        // The last line of a description ends it.
        const auto lines = [](const QString& text) {
            QStringList all;
            for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
                if (line.startsWith(QStringLiteral("   ")) && !all.isEmpty()) {
                    all.last() += QLatin1Char(' ') + line.trimmed();
                } else {
                    all << (line.startsWith(QStringLiteral("  "))
                                ? line.section(QRegularExpression(QStringLiteral("\\s{2,}")), 2)
                                : line);
                }
            }
            return QSet<QString>(all.begin(), all.end());
        };
        QCOMPARE(lines(said).intersect(lines(english)), QSet<QString>());
        const QStringList rows = said.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i + 1 < rows.size(); ++i) {
            const bool last = rows[i].startsWith(QStringLiteral("  ")) &&
                              !rows[i + 1].startsWith(QStringLiteral("   "));
            QVERIFY2(!last || rows[i].endsWith(QLatin1Char('.')) || rows[i].endsWith(u'…'),
                     qPrintable(rows[i]));
        }
    }
}

void PatternTest::Run(const QStringList& arguments, bool display, int status, const QString& says,
                      const QString& language, QString& output)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (display) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    if (!language.isEmpty()) {
        environment.insert(QStringLiteral("LANG"), language);
    }
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUARN_PROGRAM), arguments);
    const auto read = [&program, &output] {
        output +=
            QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
        return output;
    };
    if (status < 0) {
        QTRY_VERIFY_WITH_TIMEOUT(read().contains(says), 30000);
        QCOMPARE(program.state(), QProcess::Running);
        program.kill();
        program.waitForFinished();
        return;
    }
    QVERIFY(program.waitForFinished(10000));
    QVERIFY2(read().contains(says), qPrintable(output));
    QCOMPARE(program.exitCode(), status);
}

namespace {

// The field's cells of a picture or frame at so many times the board's pixels, by the colour at
// the middle of each box: yellow live, the trail's blue-violet where it lived; anything else
// dead.
void CellsOf(const QImage& image, int scale, CellSet& live, CellSet& trail)
{
    live.clear();
    trail.clear();
    for (int r = 1; r <= 30; ++r) {
        for (int c = 1; c <= 30; ++c) {
            const QPoint middle = CellCentre(r, c) * scale + QPoint(scale / 2, scale / 2);
            const QRgb pixel = image.pixel(middle) | 0xFF000000U;
            if (pixel == quarn::testing::kLive) {
                live.insert({r, c});
            } else if (pixel == quarn::testing::kTrail) {
                trail.insert({r, c});
            }
        }
    }
}

CellSet ModelCells(const quarn::testing::ReferenceModel& model)
{
    CellSet cells;
    for (int r = 1; r <= 30; ++r) {
        for (int c = 1; c <= 30; ++c) {
            if (model.At(r, c)) {
                cells.insert({r, c});
            }
        }
    }
    return cells;
}

} // namespace

void PatternTest::exportedFramesAreTheRun_data()
{
    QTest::addColumn<QString>("example");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("out");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("scale");

    QTest::newRow("a glider: to where it settles, that step included")
        << "glider.cells" << QStringList{} << "glider.gif" << 60 << 1;
    QTest::newRow("a board that dies out: to the step where it is empty")
        << "diehard.cells" << QStringList{} << "diehard.gif" << 131 << 1;
    QTest::newRow("one that repeats: round its first period and no further")
        << "blinker-toad-beacon.cells" << QStringList{} << "oscillators.gif" << 2 << 1;
    QTest::newRow("so many steps, 3 times the size, with the trail")
        << "glider-collision.cells" << QStringList{"--steps", "12", "--scale", "3", "--trail"}
        << "collision.gif" << 13 << 3;
    QTest::newRow("with the graph beside the board, growing a step a frame")
        << "glider-collision.cells" << QStringList{"--graph"} << "graph.gif" << 28 << 1;
    QTest::newRow("with the graph, 2 times the size, 12 steps")
        << "glider-collision.cells" << QStringList{"--graph", "--steps", "12", "--scale", "2"}
        << "graph2.gif" << 13 << 2;
    QTest::newRow("a picture, 2 times the size")
        << "r-pentomino.cells" << QStringList{"--scale", "2"} << "r.png" << 1 << 2;
    QTest::newRow("a picture of step 9, with the trail")
        << "glider-collision.cells" << QStringList{"--steps", "9", "--trail"} << "nine.png" << 1
        << 1;
}

// --export of an example, read back with Qt's own reader: the frames, each 100 ms and the last
// a second, round for ever, at the size asked, each the board at its step as a model of the rule
// runs it.
void PatternTest::exportedFramesAreTheRun()
{
    QFETCH(QString, example);
    QFETCH(QStringList, options);
    QFETCH(QString, out);
    QFETCH(int, frames);
    QFETCH(int, scale);

    const QString path = scratch_.filePath(out);
    const QString source = QStringLiteral(QUARN_EXAMPLES_DIR "/") + example;
    QString said;
    Run(QStringList{"--export", path, source} + options, false, 0, QString(), {}, said);
    QImageReader reader(path);
    QCOMPARE(reader.imageCount(), frames);
    if (out.endsWith(QStringLiteral(".gif"))) {
        QCOMPARE(reader.loopCount(), -1);
    }
    // The model starts from the board the window shows for the same file.
    window_->OpenPattern(QFile::encodeName(source));
    QTRY_VERIFY(!LiveCells(window_->board()).empty());
    quarn::testing::ReferenceModel model;
    for (const auto& [r, c] : LiveCells(window_->board())) {
        model.Toggle(r, c);
    }
    CellSet lived = ModelCells(model);
    // A picture shows the step asked for, with what lived on the way there.
    const qsizetype steps = options.indexOf(QStringLiteral("--steps"));
    for (int step = 0;
         out.endsWith(QStringLiteral(".png")) && steps >= 0 && step < options.at(steps + 1).toInt();
         ++step) {
        model.Step();
        for (const auto& cell : ModelCells(model)) {
            lived.insert(cell);
        }
    }
    const bool withTrail = options.contains(QStringLiteral("--trail"));
    // With the graph, half as wide again to the right of the board, its line in the past's
    // colour reaching further at every frame after the first.
    const bool graphed = options.contains(QStringLiteral("--graph"));
    const int side = 333 * scale;
    int reached = -1;
    for (int frame = 0; frame < frames; ++frame) {
        const QImage whole = reader.read().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(whole.size(), QSize(graphed ? side + side * 3 / 2 : side, side));
        const QImage image = whole.copy(0, 0, side, side);
        // By the last frame the board has gone all the way: no step is left ahead of it.
        int reaches = -1;
        int ahead = 0;
        for (int y = 0; graphed && y < side; ++y) {
            for (int x = side; x < whole.width(); ++x) {
                reaches =
                    whole.pixel(x, y) == qRgb(0x1A, 0x4F, 0x9C) ? std::max(reaches, x) : reaches;
                ahead += whole.pixel(x, y) == qRgb(0x6A, 0x8F, 0xCB) ? 1 : 0;
            }
        }
        QVERIFY(frame < frames - 1 || ahead == 0);
        QVERIFY2(
            !graphed || frame == 0 || reaches > reached,
            qPrintable(
                QStringLiteral("frame %1: %2, %3 before").arg(frame).arg(reaches).arg(reached)));
        reached = reaches;
        if (out.endsWith(QStringLiteral(".gif"))) {
            // The last held a second before the animation comes round.
            QCOMPARE(reader.nextImageDelay(), frame == frames - 1 ? 1000 : 100);
        }
        CellSet live;
        CellSet trail;
        CellsOf(image, scale, live, trail);
        QCOMPARE(live, ModelCells(model));
        CellSet dead;
        for (const auto& cell : lived) {
            if (live.count(cell) == 0) {
                dead.insert(cell);
            }
        }
        QCOMPARE(trail, withTrail ? dead : CellSet{});
        model.Step();
        for (const auto& cell : ModelCells(model)) {
            lived.insert(cell);
        }
    }
}

void PatternTest::exportFromTheWindow_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("cancel");     // the progress's Cancel, as soon as it shows
    QTest::addColumn<bool>("made");       // a new file there afterwards; an old one is kept if not
    QTest::addColumn<int>("generations"); // an animation's
    QTest::addColumn<QString>("said");    // once it is done, or nothing
    QTest::addColumn<bool>("marked");     // with the next generation's marks over the board
    QTest::addColumn<int>("shown");       // the board, with its graph, or the graph alone
    QTest::addColumn<QSize>("size");      // of the picture or the animation's frames

    const QSize board(333, 333);
    const QSize graphed(333 + 499, 333);
    QTest::newRow("the picture, as the picture area shows it")
        << "Export Picture…" << 1 << false << true << 0 << "Saved board.png." << false << 0
        << board;
    QTest::newRow("the picture with the next generation marked: the board without the marks")
        << "Export Picture…" << 1 << false << true << 0 << "Saved board.png." << true << 0 << board;
    QTest::newRow("the picture with its graph: the board on the left as the area shows it")
        << "Export Picture…" << 1 << false << true << 0 << "Saved board.png." << false << 1
        << graphed;
    QTest::newRow("the graph alone, 2 times the size")
        << "Export Picture…" << 2 << false << true << 0 << "Saved board.png." << false << 2
        << QSize(999, 666); // half as wide again as a board of 666
    QTest::newRow("an animation of 10 generations: 11 pictures")
        << "Export Animation…" << 1 << false << true << 10 << "Saved board.gif: 11 pictures."
        << false << 0 << board;
    QTest::newRow("an animation with its graph")
        << "Export Animation…" << 1 << false << true << 10 << "Saved board.gif: 11 pictures."
        << false << 1 << graphed;
    QTest::newRow("a long animation, cancelled, leaves the old file")
        << "Export Animation…" << 8 << true << false << 1000 << QString() << false << 0 << QSize();
}

// From the File menu, as a person exports: the dialog's suggestion, a size, Save; and for a long
// animation, Cancel in its progress.
void PatternTest::exportFromTheWindow()
{
    QFETCH(QString, entry);
    QFETCH(int, scale);
    QFETCH(bool, cancel);
    QFETCH(bool, made);
    QFETCH(int, generations);
    QFETCH(QString, said);
    QFETCH(bool, marked);
    QFETCH(int, shown);
    QFETCH(QSize, size);

    Press(*window_, "cmdRandom");
    const auto nextGeneration = [this] {
        QApplication::setActiveWindow(window_.get());
        QTest::keyClick(window_.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    };
    if (marked) {
        nextGeneration();
    }
    const QImage onScreen = quarn::testing::Grab(*window_);
    const auto* announcer = window_->findChild<quarn::Announcer*>();
    const QString before = announcer->Message();
    QTemporaryDir folder;
    const QString path = folder.filePath(
        QStringLiteral("board.") + (entry.contains(QStringLiteral("Picture")) ? "png" : "gif"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old\n");
    old.close();
    QTimer answer;
    bool labelsKeyed = true; // each label with a key letter leads to its field, not "&File:"
    connect(&answer, &QTimer::timeout, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* progress = qobject_cast<QProgressDialog*>(modal); progress && cancel) {
            progress->cancel();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->button(QMessageBox::Yes)->click();
        } else if (auto* edit = modal != nullptr
                                    ? modal->findChild<QLineEdit*>(QStringLiteral("exportPath"))
                                    : nullptr) {
            for (const QLabel* label : modal->findChildren<QLabel*>()) {
                labelsKeyed = labelsKeyed && (!label->text().contains(QLatin1Char('&')) ||
                                              label->buddy() != nullptr);
            }
            edit->setText(path);
            modal->findChild<QSpinBox*>(QStringLiteral("exportScale"))->setValue(scale);
            modal->findChild<QComboBox*>(QStringLiteral("exportContent"))->setCurrentIndex(shown);
            if (auto* steps = modal->findChild<QSpinBox*>(QStringLiteral("exportGenerations"))) {
                steps->setValue(generations);
            }
            QMetaObject::invokeMethod(modal, "accept", Qt::QueuedConnection);
        }
    });
    answer.start(20);
    for (QAction* action : window_->findChildren<QAction*>()) {
        if (action->text().remove(QLatin1Char('&')) == entry) {
            action->trigger();
            break;
        }
    }
    answer.stop();
    QVERIFY(labelsKeyed);
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QCOMPARE(bytes != QByteArray("old\n"), made);
    QCOMPARE(announcer->Message(), said.isEmpty() ? before : said);
    if (marked) {
        nextGeneration(); // off: what is left on screen is the board alone
        QVERIFY(quarn::testing::Grab(*window_) != onScreen);
    }
    if (!made) {
        return;
    }
    const QImage picture = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(picture.size(), size);
    if (entry.contains(QStringLiteral("Picture")) && shown < 2) {
        // The board as the picture area draws it, pixel for pixel.
        QCOMPARE(picture.copy(0, 0, 333, 333), quarn::testing::Grab(*window_));
    }
}

// A disk that fills as the animation is written, as a size limit makes it: the old file whole,
// and why it failed said.
void PatternTest::exportToAFullDiskKeepsTheOldFile()
{
    const QString path = scratch_.filePath(QStringLiteral("kept.gif"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old\n");
    old.close();
    rlimit unlimited = {};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1024, unlimited.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit); // the program started now keeps it
    QString said;
    Run({"--export", path, QStringLiteral(QUARN_EXAMPLES_DIR "/glider-collision.cells")}, false, 1,
        "Could not export “", {}, said);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    QVERIFY2(said.contains(QStringLiteral("File too large")), qPrintable(said));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old\n"));
    QCOMPARE(QDir(scratch_.path()).entryList({QStringLiteral("kept.gif*")}, QDir::Files).size(), 1);
}

// --graph-only and --graph for a picture of the R-pentomino: the graph alone, as large as it
// stands beside the board, with the fate above it and its axes' titles; and beside the board at
// step 60, which stands on the left exactly as the board alone is drawn.
void PatternTest::graphPictures()
{
    const QString source = QStringLiteral(QUARN_EXAMPLES_DIR "/r-pentomino.cells");
    const QString alone = scratch_.filePath(QStringLiteral("graph.png"));
    const QString both = scratch_.filePath(QStringLiteral("both.png"));
    const QString board = scratch_.filePath(QStringLiteral("board.png"));
    QString said;
    Run({"--export", alone, "--graph-only", source}, false, 0, {}, {}, said);
    Run({"--export", both, "--graph", "--steps", "60", source}, false, 0, {}, {}, said);
    Run({"--export", board, "--steps", "60", source}, false, 0, {}, {}, said);

    const QImage graph = QImage(alone).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(graph.size(), QSize(499, 333));
    // The words' black where they stand: along the top, under the middle of the steps' axis,
    // and on its side at the left.
    const auto words = [&graph](const QRect& where) {
        int black = 0;
        for (int y = where.top(); y <= where.bottom(); ++y) {
            for (int x = where.left(); x <= where.right(); ++x) {
                black += qGray(graph.pixel(x, y)) < 64 ? 1 : 0;
            }
        }
        return black;
    };
    QVERIFY(words(QRect(8, 6, 440, 18)) > 200);   // the fate, a line of some 60 letters
    QVERIFY(words(QRect(240, 312, 60, 18)) > 20); // "Step"
    QVERIFY(words(QRect(3, 120, 18, 100)) > 40);  // "Live cells"
    QCOMPARE(words(QRect(240, 0, 60, 5)), 0);     // nothing above the fate

    const QImage side = QImage(both).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(side.size(), QSize(333 + 499, 333));
    QCOMPARE(side.copy(0, 0, 333, 333), QImage(board).convertToFormat(QImage::Format_RGB32));
}

QTEST_MAIN(PatternTest)
#include "display_pattern_test.moc"
