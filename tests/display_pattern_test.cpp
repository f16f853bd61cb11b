#include "forms/interval_timer.h"
#include "support/board_helpers.h"
#include "support/display_probe.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

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
    void init();
    void cleanup();

    void copyThenPasteBringsTheBoardBack();
    void badPasteChangesNothing();
    void dropLoadsFilesAndText();
    void commandLine();

private:
    void Key(QKeySequence::StandardKey key);
    // Presses the key with a warning box expected; returns the box's text, having closed it.
    QString KeyAndWarning(QKeySequence::StandardKey key);
    void Drop(QMimeData* data);

    std::unique_ptr<frmDisplay> window_;
};

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

// The real program: its options answered before any window, and a file it cannot read told on
// standard error while the window opens anyway.
void PatternTest::commandLine()
{
    const auto run = [](const QStringList& arguments, bool display) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (display) {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        }
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(QUARN_PROGRAM), arguments);
        return process.waitForFinished(10000)
                   ? QStringList{QString::number(process.exitCode()),
                                 QString::fromLocal8Bit(process.readAllStandardOutput()),
                                 QString::fromLocal8Bit(process.readAllStandardError())}
                   : QStringList{QStringLiteral("still running")};
    };
    // Without a display, to show that none was needed.
    const QStringList unknown = run({QStringLiteral("--frobnicate")}, false);
    QCOMPARE(unknown.value(0), QStringLiteral("1"));
    QVERIFY2(unknown.value(2).contains(QStringLiteral("Unknown option 'frobnicate'")) &&
                 unknown.value(2).contains(QStringLiteral("Usage:")),
             qPrintable(unknown.value(2)));
    const QStringList version = run({QStringLiteral("--version")}, false);
    QCOMPARE(version.value(0), QStringLiteral("0"));
    QCOMPARE(version.value(1), QStringLiteral("game-of-quarn " QUARN_VERSION "\n"));
    QCOMPARE(run({QStringLiteral("a.rle"), QStringLiteral("b.rle")}, false).value(0),
             QStringLiteral("1"));

    QTemporaryDir folder;
    QFile bad(folder.filePath(QStringLiteral("bad.rle")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("x = 3, y = 3\nbo$2bq!\n");
    bad.close();
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUARN_PROGRAM), {bad.fileName()});
    QString errors;
    QTRY_VERIFY_WITH_TIMEOUT((errors += QString::fromLocal8Bit(program.readAllStandardError()))
                                 .contains(QStringLiteral("bad.rle")),
                             10000);
    QVERIFY2(errors.contains(QStringLiteral("Line 2, column 6")), qPrintable(errors));
    QCOMPARE(program.state(), QProcess::Running); // the window stays open
    program.kill();
    program.waitForFinished();
}

QTEST_MAIN(PatternTest)
#include "display_pattern_test.moc"
