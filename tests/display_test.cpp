#include "census/census.h"
#include "census/field.h"
#include "display/forms/interval_timer.h"
#include "support/board_helpers.h"
#include "support/display_probe.h"
#include "support/reference_model.h"
#include "translations/translations.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>

using quarn::testing::Button;
using quarn::testing::CellCentre;
using quarn::testing::CellSet;
using quarn::testing::ClickTwips;
using quarn::testing::Grab;
using quarn::testing::Interval;
using quarn::testing::LabelText;
using quarn::testing::LiveCells;
using quarn::testing::PictureArea;
using quarn::testing::PictureMismatch;
using quarn::testing::PixelAt;
using quarn::testing::Press;
using quarn::testing::WholeField;

Q_DECLARE_METATYPE(CellSet)

namespace {

CellSet Corners()
{
    return {{1, 1}, {1, 30}, {30, 1}, {30, 30}};
}

} // namespace

class DisplayTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void beforeLoadingShowsTheLayoutOnly();
    void startsEmptyStoppedAndAtZero();
    void layout_data();
    void layout();
    void tabOrderPutsGoLast();
    void captionsInEveryLanguage_data();
    void captionsInEveryLanguage();
    void unavailableCommandsAreGreyedOut_data();
    void unavailableCommandsAreGreyedOut();
    void keyboard_data();
    void keyboard();
    void commands_data();
    void commands();
    void randomShowsTheBoardItMade();
    void click_data();
    void click();
    void clickOutsideTheFieldChangesNothing_data();
    void clickOutsideTheFieldChangesNothing();
    void clickTogglesOneBoxAndNotTheLabel();
    void runPausesAndResumesTheCount();
    void goAgainNeverDelaysTheNextGeneration();
    void fillsStopTheRun_data();
    void fillsStopTheRun();
    void clickWhileRunningTakesEffectAtOnce();
    void pictureSurvivesHideAndMinimise();
    void countLimitShowsOnTheLabel();
    void keysPageShowsEachWidgetsKeys();
    void whatHappensToTheRunIsToldOnce_data();
    void whatHappensToTheRunIsToldOnce();

private:
    std::unique_ptr<frmDisplay> window_;
};

void DisplayTest::init()
{
    window_ = std::make_unique<frmDisplay>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void DisplayTest::cleanup()
{
    window_.reset();
}

// A window that has not been shown has not loaded: the label has its layout caption and the
// picture area nothing but its silver background.
void DisplayTest::beforeLoadingShowsTheLayoutOnly()
{
    frmDisplay unloaded;
    QCOMPARE(LabelText(unloaded), QStringLiteral("Steps: 0"));
    const QImage image = Grab(unloaded);
    for (const QPointF at : {QPointF(0, 0), QPointF(5, 5), QPointF(165, 165), QPointF(332, 332)}) {
        QCOMPARE(PixelAt(image, at), quarn::testing::kSilver);
    }
}

void DisplayTest::startsEmptyStoppedAndAtZero()
{
    QCOMPARE(window_->windowTitle(), QStringLiteral("Game of Quarn"));
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: 0"));
    QCOMPARE(Interval(*window_), 0);
    QVERIFY(LiveCells(window_->board()).empty());

    const QImage image = Grab(*window_);
    for (int r = 1; r <= quarn::Board::kFieldSize; ++r) {
        for (int c = 1; c <= quarn::Board::kFieldSize; ++c) {
            QCOMPARE(PixelAt(image, CellCentre(r, c)), quarn::testing::kDead);
        }
    }
    // Through the gaps, and in the strip past the last cell, the silver background shows.
    QCOMPARE(PixelAt(image, {0, 0}), quarn::testing::kSilver);
    QCOMPARE(PixelAt(image, {10.5, 5}), quarn::testing::kSilver);
    QCOMPARE(PixelAt(image, {5, 10.5}), quarn::testing::kSilver);
    QCOMPARE(PixelAt(image, {331, 331}), quarn::testing::kSilver);
    // The board has the focus, with no marker until the keyboard is used.
    QCOMPARE(window_->focusWidget(), PictureArea(*window_));
    QCOMPARE(quarn::testing::MarkedCell(Grab(*window_)), QPoint());
}

void DisplayTest::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");

    // Twips over 15, rounded: 5520 -> 368, 1452 -> 97, 492 -> 33.
    QTest::newRow("picFrame") << "picFrame" << QRect(8, 8, 333, 333) << QString();
    QTest::newRow("cmdAllOn") << "cmdAllOn" << QRect(368, 8, 97, 33) << "All On";
    QTest::newRow("cmdAllOff") << "cmdAllOff" << QRect(368, 48, 97, 33) << "All Off";
    QTest::newRow("cmdRandom") << "cmdRandom" << QRect(368, 88, 97, 33) << "Random";
    QTest::newRow("cmdOneStep") << "cmdOneStep" << QRect(368, 128, 97, 33) << "1 Step";
    QTest::newRow("cmdGo") << "cmdGo" << QRect(368, 168, 97, 33) << "Go";
    QTest::newRow("cmdStop") << "cmdStop" << QRect(368, 208, 97, 33) << "Stop";
    QTest::newRow("lblStepCount") << "lblStepCount" << QRect(368, 248, 97, 33) << "Steps: 0";
}

void DisplayTest::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);

    // The menu bar lies above the client area, which keeps its size and its controls, on
    // whole device pixels.
    const QWidget* menuBar = window_->findChild<QMenuBar*>();
    const int top = menuBar->height();
    QCOMPARE(menuBar->geometry(), QRect(0, 0, 477, top));
    QCOMPARE(std::fmod(top * window_->devicePixelRatioF(), 1.0), 0.0);
    QCOMPARE(window_->size(), QSize(477, 378 + top));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    auto* control = window_->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry.translated(0, top));
    if (!caption.isEmpty()) {
        const QString text = control->property("text").toString();
        QCOMPARE(text, caption);
        QCOMPARE(control->font().pointSizeF(), 12.0);
        QCOMPARE(control->font().weight(), QFont::Normal);
        QCOMPARE(control->font().styleHint(), QFont::SansSerif);
        // "MS Sans Serif" is not on Linux; its metric-compatible stand-in is, once installed.
        const QString family = QFontInfo(control->font()).family();
        QVERIFY2(family == QStringLiteral("MS Sans Serif") ||
                     family == QStringLiteral("Liberation Sans"),
                 qPrintable(family));
    }
}

void DisplayTest::tabOrderPutsGoLast()
{
    QStringList order;
    QWidget* widget = PictureArea(*window_);
    for (int i = 0; i < 7; ++i) {
        order << widget->objectName();
        do {
            widget = widget->nextInFocusChain();
        } while ((widget->focusPolicy() & Qt::TabFocus) == 0);
    }
    QCOMPARE(order, QStringList({"picFrame", "cmdAllOn", "cmdAllOff", "cmdRandom", "cmdOneStep",
                                 "cmdStop", "cmdGo"}));
    QCOMPARE(window_->findChild<QWidget*>("lblStepCount")->focusPolicy(), Qt::NoFocus);
    QCOMPARE(PictureArea(*window_)->focusPolicy(), Qt::TabFocus); // a click does not take it
}

void DisplayTest::captionsInEveryLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("captions"); // All On, All Off, Random, 1 Step, Go, Stop, label
    QTest::addColumn<QString>("yes");          // on a button of Qt's own boxes
    QTest::addColumn<QString>("example"); // "Blinker, toad and beacon" in File ▸ Open Example
    // Counted words: what is on a board of a block and a blinker; the graph's words for a step
    // at which the last 3 cells died.
    QTest::addColumn<QStringList>("counted");

    QTest::newRow("English") << "en_GB" << QStringList{"All On", "All Off", "Random",  "1 Step",
                                                       "Go",     "Stop",    "Steps: 0"}
                             << "&Yes"
                             << "Blinker, toad and beacon"
                             << QStringList{"7 live cells in 2 objects: a block and a blinker.",
                                            "Step 3: 0 live cells, 0 born, 3 died."};

    QTest::newRow("German") << "de_DE"
                            << QStringList{"Alle an", "Alle aus", "Zufall",     "1 Schritt",
                                           "Los",     "Stopp",    "Schritte: 0"}
                            << "&Ja"
                            << "Blinker, Kröte und Leuchtfeuer"
                            << QStringList{
                                   "7 lebende Zellen in 2 Objekten: ein Block und ein Blinker.",
                                   "Schritt 3: 0 lebende Zellen, 0 geboren, 3 gestorben."};
    QTest::newRow("French") << "fr_FR"
                            << QStringList{"Tout allumer", "Tout éteindre", "Au hasard",   "1 pas",
                                           "Lancer",       "Arrêter",       "Pas\u00a0: 0"}
                            << "&Oui"
                            << "Clignotant, crapaud et phare"
                            << QStringList{"7 cellules vivantes dans 2 objets\u00a0: un bloc et un "
                                           "clignotant.",
                                           "Pas 3 : 0 cellule vivante, 0 nées, 3 mortes."};
    QTest::newRow("Spanish") << "es_ES"
                             << QStringList{"Encender todo", "Apagar todo", "Aleatorio", "1 paso",
                                            "Iniciar",       "Detener",     "Pasos: 0"}
                             << "&Sí"
                             << "Parpadeador, sapo y faro"
                             << QStringList{
                                    "7 células vivas en 2 objetos: un bloque y un parpadeador.",
                                    "Paso 3: 0 células vivas, 0 nacidas, 3 muertas."};
}

// Each caption in the person's language, whole in its control, the layout as it was; and Qt's
// own boxes and dialogs in the same language.
void DisplayTest::captionsInEveryLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, captions);
    QFETCH(QString, yes);
    QFETCH(QString, example);
    QFETCH(QStringList, counted);

    quarn::InstallTranslations(QLocale(locale));
    frmDisplay window;
    const QStringList names{"cmdAllOn", "cmdAllOff", "cmdRandom",   "cmdOneStep",
                            "cmdGo",    "cmdStop",   "lblStepCount"};
    for (qsizetype i = 0; i < names.size(); ++i) {
        auto* control = window.findChild<QWidget*>(names[i]);
        QCOMPARE(control->property("text").toString(), captions[i]);
        QVERIFY2(control->sizeHint().width() <= control->width(), qPrintable(captions[i]));
        QCOMPARE(control->size(), window_->findChild<QWidget*>(names[i])->size());
    }
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
    QStringList entries;
    for (const QAction* action : window.findChildren<QAction*>()) {
        entries << action->text();
    }
    QVERIFY2(entries.contains(example), qPrintable(entries.join(QStringLiteral(" | "))));
    quarn::Board board;
    for (const auto& [row, column] :
         {std::pair{2, 2}, {2, 3}, {3, 2}, {3, 3}, {10, 9}, {10, 10}, {10, 11}}) {
        board.ToggleCell(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column));
    }
    const quarn::Census census = quarn::CensusOf(quarn::Field::Of(board));
    QCOMPARE(quarn::Translated(census.Summary(), "Census"), counted[0]);
    QCOMPARE(QCoreApplication::translate("quarn::PopulationGraph",
                                         "Step %1: %n live cells, %2 born, %3 died.", nullptr, 0)
                 .arg(3)
                 .arg(0)
                 .arg(3),
             counted[1]);
    // The language's own go; the English forms of counted words stay beneath every language.
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        if (translator->objectName() != QStringLiteral("englishPlurals")) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
}

void DisplayTest::unavailableCommandsAreGreyedOut_data()
{
    QTest::addColumn<QKeySequence::StandardKey>("key");
    QTest::newRow("Undo at start") << QKeySequence::Undo;
    QTest::newRow("Paste with an empty clipboard") << QKeySequence::Paste;
}

// In the menu and from the keyboard alike: the key is its menu entry's shortcut.
void DisplayTest::unavailableCommandsAreGreyedOut()
{
    QFETCH(QKeySequence::StandardKey, key);
    QApplication::clipboard()->clear();
    const QAction* entry = quarn::testing::MenuEntry(*window_, key);
    QVERIFY(entry != nullptr);
    QVERIFY(!entry->isEnabled());
}

void DisplayTest::keyboard_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QPoint>("marker"); // (row, column), or none
    QTest::addColumn<CellSet>("live");

    QTest::newRow("no key: no marker") << "" << QPoint() << CellSet{};
    QTest::newRow("right") << "Right" << QPoint(1, 2) << CellSet{};
    QTest::newRow("edges stop the cursor") << "Left Up" << QPoint(1, 1) << CellSet{};
    QTest::newRow("down and right") << "Down Down Right" << QPoint(3, 2) << CellSet{};
    QTest::newRow("end of the row") << "Down End" << QPoint(2, 30) << CellSet{};
    QTest::newRow("home of the row") << "Down End Home" << QPoint(2, 1) << CellSet{};
    QTest::newRow("last corner") << "Ctrl+End" << QPoint(30, 30) << CellSet{};
    QTest::newRow("first corner") << "Ctrl+End Left Ctrl+Home" << QPoint(1, 1) << CellSet{};
    QTest::newRow("pages, stopping at the edge")
        << "PgDown PgDown PgDown PgDown Right" << QPoint(30, 2) << CellSet{};
    QTest::newRow("page up") << "Ctrl+End PgUp" << QPoint(20, 30) << CellSet{};
    QTest::newRow("space toggles") << "Right Space" << QPoint(1, 2) << CellSet{{1, 2}};
    QTest::newRow("twice is nothing") << "Space Space" << QPoint(1, 1) << CellSet{};
    QTest::newRow("enter toggles")
        << "Down Return Right Enter" << QPoint(2, 2) << CellSet{{2, 1}, {2, 2}};
    QTest::newRow("tab leaves the board") << "Right Tab" << QPoint() << CellSet{};
    QTest::newRow("shift+tab comes back with the marker")
        << "Tab Backtab" << QPoint(1, 1) << CellSet{};
    QTest::newRow("enter presses All On") << "Tab Return" << QPoint() << WholeField();
    QTest::newRow("keypad enter presses All On") << "Tab Enter" << QPoint() << WholeField();
}

// Keys as a keyboard user presses them, the cursor read from its marker on the screen.
void DisplayTest::keyboard()
{
    QFETCH(QString, keys);
    QFETCH(QPoint, marker);
    QFETCH(CellSet, live);

    QApplication::setActiveWindow(window_.get());
    for (const QString& key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QKeySequence sequence(key == QStringLiteral("Backtab") ? QStringLiteral("Shift+Tab")
                                                                     : key);
        Qt::KeyboardModifiers modifiers = sequence[0].keyboardModifiers();
        if (key == QStringLiteral("Enter")) {
            modifiers |= Qt::KeypadModifier; // the keypad's Enter, not Return
        }
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        QTest::keyClick(focus, sequence[0].key(), modifiers);
    }
    QTRY_COMPARE(LiveCells(window_->board()), live);
    QCOMPARE(quarn::testing::MarkedCell(Grab(*window_)), marker);
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: 0"));
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());

    // A click moves the cursor while the board has the focus, and takes the marker away.
    if (PictureArea(*window_)->hasFocus()) {
        QTest::mouseClick(PictureArea(*window_), Qt::LeftButton, {}, CellCentre(9, 7));
        QCOMPARE(quarn::testing::MarkedCell(Grab(*window_)), QPoint());
        QTest::keyClick(PictureArea(*window_), Qt::Key_Right);
        QCOMPARE(quarn::testing::MarkedCell(Grab(*window_)), QPoint(9, 8));
    }
}

void DisplayTest::commands_data()
{
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<CellSet>("live");
    QTest::addColumn<QString>("label");

    QTest::newRow("1 Step on an empty board")
        << QStringList{"cmdOneStep"} << CellSet{} << "Steps: 1";
    QTest::newRow("All On") << QStringList{"cmdAllOn"} << WholeField() << "Steps: 0";
    QTest::newRow("All On, 1 Step")
        << QStringList{"cmdAllOn", "cmdOneStep"} << Corners() << "Steps: 1";
    QTest::newRow("All On, 1 Step, 1 Step")
        << QStringList{"cmdAllOn", "cmdOneStep", "cmdOneStep"} << CellSet{} << "Steps: 2";
    QTest::newRow("All On, 1 Step, All Off")
        << QStringList{"cmdAllOn", "cmdOneStep", "cmdAllOff"} << CellSet{} << "Steps: 0";
    QTest::newRow("Stop while stopped")
        << QStringList{"cmdOneStep", "cmdStop"} << CellSet{} << "Steps: 1";
}

void DisplayTest::commands()
{
    QFETCH(QStringList, presses);
    QFETCH(CellSet, live);
    QFETCH(QString, label);

    for (const QString& name : presses) {
        Press(*window_, qPrintable(name));
    }
    QCOMPARE(LiveCells(window_->board()), live);
    QCOMPARE(LabelText(*window_), label);
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());
    QCOMPARE(Interval(*window_), 0);
}

void DisplayTest::randomShowsTheBoardItMade()
{
    Press(*window_, "cmdOneStep");
    Press(*window_, "cmdRandom");
    const auto live = LiveCells(window_->board()).size();
    QVERIFY2(live > 300 && live < 600, qPrintable(QString::number(live)));
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: 0"));
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());
}

void DisplayTest::click_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    QTest::newRow("top-left corner") << 0.0 << 0.0 << 1 << 1;
    QTest::newRow("first twip of column 2") << 165.0 << 0.0 << 1 << 2;
    QTest::newRow("fractional, rounding both ways") << 164.4 << 329.6 << 3 << 1;
    QTest::newRow("half a twip rounds to even, down") << 164.5 << 0.0 << 1 << 1;
    QTest::newRow("half a twip rounds to even, up") << 165.5 << 0.0 << 1 << 2;
    QTest::newRow("last twip of the field") << 4949.0 << 4949.0 << 30 << 30;
    QTest::newRow("in a gap between boxes") << 160.0 << 170.0 << 2 << 1;
    QTest::newRow("a whole pixel, right edge of a cell") << 150.0 << 150.0 << 1 << 1;
    QTest::newRow("a whole pixel, left edge of the next") << 165.0 << 165.0 << 2 << 2;
}

void DisplayTest::click()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(int, row);
    QFETCH(int, column);

    ClickTwips(*window_, x, y);
    QCOMPARE(LiveCells(window_->board()), CellSet({{row, column}}));
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());
    ClickTwips(*window_, x, y, Qt::RightButton);
    QVERIFY(LiveCells(window_->board()).empty());
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());
}

void DisplayTest::clickOutsideTheFieldChangesNothing_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");

    QTest::newRow("strip right of column 30") << 4950.0 << 100.0;
    QTest::newRow("strip below row 30") << 100.0 << 4950.0;
    QTest::newRow("far corner of the area") << 4994.0 << 4994.0;
    QTest::newRow("rounds into the strip") << 4949.5 << 10.0;
}

void DisplayTest::clickOutsideTheFieldChangesNothing()
{
    QFETCH(double, x);
    QFETCH(double, y);

    const QImage before = Grab(*window_);
    ClickTwips(*window_, x, y);
    QVERIFY(LiveCells(window_->board()).empty());
    QCOMPARE(Grab(*window_), before);
}

void DisplayTest::clickTogglesOneBoxAndNotTheLabel()
{
    Press(*window_, "cmdAllOn");
    Press(*window_, "cmdOneStep");
    const QImage before = Grab(*window_);
    QTest::mouseClick(PictureArea(*window_), Qt::LeftButton, {}, CellCentre(1, 30));

    QCOMPARE(LiveCells(window_->board()), CellSet({{1, 1}, {30, 1}, {30, 30}}));
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: 1"));
    // Only the pixels of that one box changed.
    const QImage after = Grab(*window_);
    const double ratio = after.devicePixelRatio();
    const QRect box(QPoint(static_cast<int>(320 * ratio), 0),
                    QSize(static_cast<int>(11 * ratio), static_cast<int>(11 * ratio)));
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (!box.contains(x, y) && after.pixel(x, y) != before.pixel(x, y)) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) changed").arg(x).arg(y)));
            }
        }
    }
    QCOMPARE(PixelAt(after, CellCentre(1, 30)), quarn::testing::kDead);
}

void DisplayTest::runPausesAndResumesTheCount()
{
    QTest::mouseClick(PictureArea(*window_), Qt::LeftButton, {}, CellCentre(10, 9));
    QTest::mouseClick(PictureArea(*window_), Qt::LeftButton, {}, CellCentre(10, 10));
    QTest::mouseClick(PictureArea(*window_), Qt::LeftButton, {}, CellCentre(10, 11));

    Press(*window_, "cmdGo");
    QCOMPARE(Interval(*window_), 100);
    QTRY_VERIFY_WITH_TIMEOUT(window_->board().StepCount() >= 3, 2000);
    Press(*window_, "cmdStop");
    QCOMPARE(Interval(*window_), 0);
    const int paused = window_->board().StepCount();
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: %1").arg(paused));
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());

    QTest::qWait(250); // long enough for two ticks, had the run not stopped
    QCOMPARE(window_->board().StepCount(), paused);

    Press(*window_, "cmdGo");
    QTRY_COMPARE_WITH_TIMEOUT(window_->board().StepCount(), paused + 2, 2000);
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: %1").arg(paused + 2));
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());

    // "1 Step" while running adds a generation between two ticks and leaves the run on.
    const int running = window_->board().StepCount();
    Press(*window_, "cmdOneStep");
    QVERIFY(window_->board().StepCount() >= running + 1);
    QCOMPARE(Interval(*window_), 100);
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: %1").arg(window_->board().StepCount()));
}

void DisplayTest::goAgainNeverDelaysTheNextGeneration()
{
    Press(*window_, "cmdGo");
    // Pressing "Go" every 40 ms would hold the run back for good if it restarted the countdown.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 700) {
        Press(*window_, "cmdGo");
        QTest::qWait(40);
    }
    QVERIFY2(window_->board().StepCount() >= 4,
             qPrintable(QString::number(window_->board().StepCount())));
    QCOMPARE(Interval(*window_), 100);
}

void DisplayTest::fillsStopTheRun_data()
{
    QTest::addColumn<QString>("fill");
    QTest::newRow("Random") << "cmdRandom";
    QTest::newRow("All On") << "cmdAllOn";
    QTest::newRow("All Off") << "cmdAllOff";
}

void DisplayTest::fillsStopTheRun()
{
    QFETCH(QString, fill);

    Press(*window_, "cmdRandom");
    Press(*window_, "cmdGo");
    QTRY_VERIFY_WITH_TIMEOUT(window_->board().StepCount() >= 2, 2000);
    Press(*window_, qPrintable(fill));
    QCOMPARE(Interval(*window_), 0);
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: 0"));
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());
    QTest::qWait(250);
    QCOMPARE(window_->board().StepCount(), 0);
}

void DisplayTest::clickWhileRunningTakesEffectAtOnce()
{
    Press(*window_, "cmdGo");
    QTRY_VERIFY_WITH_TIMEOUT(window_->board().StepCount() >= 1, 2000);
    const int clicked = window_->board().StepCount();
    QTest::mouseClick(PictureArea(*window_), Qt::LeftButton, {}, CellCentre(20, 20));
    QCOMPARE(window_->board().CellAt(20, 20), 1);
    QCOMPARE(PixelAt(Grab(*window_), CellCentre(20, 20)), quarn::testing::kLive);
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: %1").arg(clicked));

    // A lone cell dies at the next tick, which therefore saw it.
    QTRY_VERIFY_WITH_TIMEOUT(window_->board().StepCount() > clicked, 2000);
    QCOMPARE(window_->board().CellAt(20, 20), 0);
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());
}

void DisplayTest::pictureSurvivesHideAndMinimise()
{
    Press(*window_, "cmdRandom");
    const QImage before = Grab(*window_);

    window_->hide();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QCOMPARE(Grab(*window_), before);

    window_->showMinimized();
    window_->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QCOMPARE(Grab(*window_), before);
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());
}

// Reached the way a person would, by pressing "1 Step", only faster.
void DisplayTest::countLimitShowsOnTheLabel()
{
    QTest::mouseClick(PictureArea(*window_), Qt::LeftButton, {}, CellCentre(5, 4));
    QTest::mouseClick(PictureArea(*window_), Qt::LeftButton, {}, CellCentre(5, 5));
    QTest::mouseClick(PictureArea(*window_), Qt::LeftButton, {}, CellCentre(5, 6));
    QPushButton* oneStep = Button(*window_, "cmdOneStep");
    for (int i = 0; i < 32767; ++i) {
        oneStep->click();
    }
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: 32767"));
    const CellSet atLimit = LiveCells(window_->board());

    // Whatever face stands in for the dialog font, the whole count shows.
    const auto* label = window_->findChild<QLabel*>(QStringLiteral("lblStepCount"));
    const QString face = qEnvironmentVariable("QUARN_EXPECTED_FACE");
    if (!face.isEmpty()) {
        QCOMPARE(QFontInfo(label->font()).family(), face);
    }
    QVERIFY2(QFontMetricsF(label->font()).horizontalAdvance(label->text()) <=
                 label->contentsRect().width(),
             qPrintable(QStringLiteral("'%1' in %2 at %3 pt is cut off")
                            .arg(label->text(), QFontInfo(label->font()).family())
                            .arg(label->font().pointSizeF())));

    Press(*window_, "cmdOneStep");
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: 32767"));
    QVERIFY(LiveCells(window_->board()) != atLimit); // the blinker still turns
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());
    // What the board went through stays true to it past the label: the generation after 32767
    // is 32768, a blinker's 3 cells with 2 born and 2 dead at each, on the way begun at step 0;
    // undo brings back the record of step 32767.
    const auto point = [this](int index) {
        const quarn::RunRecord::Point at = window_->run().Record().At(index);
        return QList<int>{at.step, at.live, at.born, at.died};
    };
    QCOMPARE(window_->run().Record().Size(), 32769);
    QCOMPARE(point(32767), (QList<int>{32767, 3, 2, 2}));
    QCOMPARE(point(32768), (QList<int>{32768, 3, 2, 2}));
    QCOMPARE(window_->run().Record().WayStartStep(), 0);
    quarn::testing::MenuEntry(*window_, QKeySequence::Undo)->trigger();
    QCOMPARE(LiveCells(window_->board()), atLimit);
    QCOMPARE(window_->run().Record().Size(), 32768);
    QCOMPARE(point(32767), (QList<int>{32767, 3, 2, 2}));
    QCOMPARE(window_->run().Record().WayStartStep(), 0);
    quarn::testing::MenuEntry(*window_, QKeySequence::Redo)->trigger();

    // A run at the limit goes on too.
    Press(*window_, "cmdGo");
    QTRY_COMPARE_WITH_TIMEOUT(LiveCells(window_->board()), atLimit, 2000);
    QCOMPARE(Interval(*window_), 100);
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: 32767"));
    QCOMPARE(PictureMismatch(*window_, window_->board()), QString());
}
// Help ▸ Keys and Mouse names the keys each widget acts on, under the widget's heading, on a
// page that fits the screen with its Close button in sight.
void DisplayTest::keysPageShowsEachWidgetsKeys()
{
    QAction* page = nullptr;
    for (QAction* action : window_->findChildren<QAction*>()) {
        page = action->text() == QStringLiteral("&Keys and Mouse…") ? action : page;
    }
    QVERIFY(page != nullptr);
    QString text;
    QRect shown;
    QTimer::singleShot(0, [&text, &shown] {
        QWidget* box = QApplication::activeModalWidget();
        const auto* rows = box->findChild<QTextBrowser*>(QStringLiteral("keysPage"));
        text = rows != nullptr ? rows->toPlainText() : QString();
        shown = box->geometry();
        box->close();
    });
    page->trigger();
    const auto at = [&text](const char* words) { return text.indexOf(QString::fromUtf8(words)); };
    QVERIFY(at("The board\n") > 0);
    QVERIFY(at("N, Shift+N\nTo the next or the previous object: say what it is, and show it in a "
               "tip") > at("The board\n"));
    QVERIFY(at("The population graph\n") > at("N, Shift+N"));
    QVERIFY(at("H, L\nThe highest or the lowest point") > at("The population graph\n"));
    QVERIFY(at("Ctrl+C\nCopy the steps as CSV, for a spreadsheet") > at("H, L"));
    QVERIFY(at("Anywhere\n") > at("Copy the steps"));
    QVERIFY2(window_->screen()->availableGeometry().contains(shown),
             qPrintable(QStringLiteral("%1x%2").arg(shown.width()).arg(shown.height())));
}

void DisplayTest::whatHappensToTheRunIsToldOnce_data()
{
    QTest::addColumn<QString>("action");
    // How many times the run tells each: a reset, a generation, an edit, a restore.
    QTest::addColumn<QList<int>>("told");

    QTest::newRow("1 Step") << "1 Step" << QList<int>{0, 1, 0, 0};
    QTest::newRow("a click") << "click" << QList<int>{0, 0, 1, 0};
    QTest::newRow("All Off") << "All Off" << QList<int>{1, 0, 0, 0};
    QTest::newRow("Random") << "Random" << QList<int>{1, 0, 0, 0};
    QTest::newRow("undo of 1 Step") << "undo" << QList<int>{0, 0, 0, 1};
    QTest::newRow("the trail shown: a redraw only") << "trail" << QList<int>{0, 0, 0, 0};
    // As many generations as the label counts.
    QTest::newRow("a run") << "run" << QList<int>{0, -1, 0, 0};
}

// The run's readers hear of each thing that happened to it once, and of a redraw never.
void DisplayTest::whatHappensToTheRunIsToldOnce()
{
    QFETCH(QString, action);
    QFETCH(QList<int>, told);
    Press(*window_, "cmdOneStep");
    auto* run = window_->findChild<quarn::Run*>(QStringLiteral("run"));
    QVERIFY(run != nullptr);
    QSignalSpy reset(run, &quarn::Run::Reset);
    QSignalSpy stepped(run, &quarn::Run::Stepped);
    QSignalSpy edited(run, &quarn::Run::Edited);
    QSignalSpy restored(run, &quarn::Run::Restored);
    if (action == QStringLiteral("click")) {
        quarn::testing::Click(PictureArea(*window_), CellCentre(5, 5));
    } else if (action == QStringLiteral("undo")) {
        QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
    } else if (action == QStringLiteral("trail")) {
        QTest::keyClick(window_.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    } else if (action == QStringLiteral("run")) {
        Press(*window_, "cmdGo");
        QTRY_VERIFY(window_->board().StepCount() >= 4);
        Press(*window_, "cmdStop");
        told[1] = window_->board().StepCount() - 1;
    } else {
        Press(*window_, action == QStringLiteral("1 Step")    ? "cmdOneStep"
                        : action == QStringLiteral("All Off") ? "cmdAllOff"
                                                              : "cmdRandom");
    }
    QCOMPARE((QList<int>{static_cast<int>(reset.count()), static_cast<int>(stepped.count()),
                         static_cast<int>(edited.count()), static_cast<int>(restored.count())}),
             told);
}

QTEST_MAIN(DisplayTest)
#include "display_test.moc"
