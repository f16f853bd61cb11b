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
#include <QToolTip>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>

using quarn::testing::Button;
using quarn::testing::CellCentre;
using quarn::testing::CellSet;
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
    void objectsWindow_data();
    void objectsWindow();
    void tooltipSaysTheObjectUnderThePointer_data();
    void tooltipSaysTheObjectUnderThePointer();
    void fateIsTheSameOnEveryRoad_data();
    void fateIsTheSameOnEveryRoad();
    void objectsWindowChoice_data();
    void objectsWindowChoice();
    void outlineFollowsARunningGlider();
    void chosenLineIsTheObjectItShows();
    void objectsWindowLeavesTheCommandsInSight_data();
    void objectsWindowLeavesTheCommandsInSight();
    void populationFollowsTheBoard();
    void trailFollowsTheRun();
    void populationLineIsWhereItShouldBe();

private:
    void ClickTwips(double x, double y, Qt::MouseButton button = Qt::LeftButton);
    void PasteTwoGliders();
    void Paste(const char* rle);
    QWidget* OpenObjects();
    QString ObjectsFate() const;
    int ChosenEntry() const;
    QString Mismatch() const;

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

void DisplayTest::ClickTwips(double x, double y, Qt::MouseButton button)
{
    quarn::testing::Click(PictureArea(*window_), {x / 15.0, y / 15.0}, button);
}

QString DisplayTest::Mismatch() const
{
    return PictureMismatch(*window_, window_->board());
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

    QTest::newRow("German") << "de_DE"
                            << QStringList{"Alle an", "Alle aus", "Zufall",     "1 Schritt",
                                           "Los",     "Stopp",    "Schritte: 0"}
                            << "&Ja"
                            << "Blinker, Kröte und Leuchtfeuer";
    QTest::newRow("French") << "fr_FR"
                            << QStringList{"Tout allumer", "Tout éteindre", "Au hasard",   "1 pas",
                                           "Lancer",       "Arrêter",       "Pas\u00a0: 0"}
                            << "&Oui"
                            << "Clignotant, crapaud et phare";
    QTest::newRow("Spanish") << "es_ES"
                             << QStringList{"Encender todo", "Apagar todo", "Aleatorio", "1 paso",
                                            "Iniciar",       "Detener",     "Pasos: 0"}
                             << "&Sí"
                             << "Parpadeador, sapo y faro";
}

// Each caption in the person's language, whole in its control, the layout as it was; and Qt's
// own boxes and dialogs in the same language.
void DisplayTest::captionsInEveryLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, captions);
    QFETCH(QString, yes);
    QFETCH(QString, example);

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
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
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
    QCOMPARE(Mismatch(), QString());

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
    QCOMPARE(Mismatch(), QString());
    QCOMPARE(Interval(*window_), 0);
}

void DisplayTest::randomShowsTheBoardItMade()
{
    Press(*window_, "cmdOneStep");
    Press(*window_, "cmdRandom");
    const auto live = LiveCells(window_->board()).size();
    QVERIFY2(live > 300 && live < 600, qPrintable(QString::number(live)));
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: 0"));
    QCOMPARE(Mismatch(), QString());
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

    ClickTwips(x, y);
    QCOMPARE(LiveCells(window_->board()), CellSet({{row, column}}));
    QCOMPARE(Mismatch(), QString());
    ClickTwips(x, y, Qt::RightButton);
    QVERIFY(LiveCells(window_->board()).empty());
    QCOMPARE(Mismatch(), QString());
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
    ClickTwips(x, y);
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
    QCOMPARE(Mismatch(), QString());

    QTest::qWait(250); // long enough for two ticks, had the run not stopped
    QCOMPARE(window_->board().StepCount(), paused);

    Press(*window_, "cmdGo");
    QTRY_COMPARE_WITH_TIMEOUT(window_->board().StepCount(), paused + 2, 2000);
    QCOMPARE(LabelText(*window_), QStringLiteral("Steps: %1").arg(paused + 2));
    QCOMPARE(Mismatch(), QString());

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
    QCOMPARE(Mismatch(), QString());
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
    QCOMPARE(Mismatch(), QString());
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
    QCOMPARE(Mismatch(), QString());
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
    QCOMPARE(Mismatch(), QString());
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
    QCOMPARE(Mismatch(), QString());
}

void DisplayTest::objectsWindow_data()
{
    QTest::addColumn<int>("steps");  // pressed with the window open
    QTest::addColumn<int>("choose"); // the entry chosen, or -1
    QTest::addColumn<QStringList>("listed");

    const char* const fate = "The board settles at step 27 into 4 blocks.";
    QTest::newRow("what the census finds")
        << 0 << -1
        << QStringList{fate, "Glider at row 12, column 10, heading down and to the right.",
                       "Glider at row 16, column 19, heading up and to the left."};
    QTest::newRow("four steps on, each glider a row and a column further")
        << 4 << -1
        << QStringList{fate, "Glider at row 13, column 11, heading down and to the right.",
                       "Glider at row 15, column 18, heading up and to the left."};
    QTest::newRow("an entry chosen, outlined") << 0 << 1 << QStringList{};
    // A click at the same step: the lines of the board as it is now, the first glider broken.
    QTest::newRow("a click, at the same step")
        << -1 << -1
        << QStringList{"The board repeats every 2 steps from step 160, as 2 blinkers, a block "
                       "and a boat.",
                       "Changing group of 4 cells at row 13, column 10.",
                       "Glider at row 16, column 19, heading up and to the left."};
}

// Two gliders heading for each other, the first at row 12, column 10, the second at row 16,
// column 19.
void DisplayTest::PasteTwoGliders()
{
    QApplication::setActiveWindow(window_.get());
    QApplication::clipboard()->setText(QStringLiteral("x = 12, y = 7\nbo$2bo$3o2$9b3o$9bo$10bo!"));
    QTest::keyClick(window_.get(), Qt::Key_V, Qt::ControlModifier);
}

// View > Objects over the two gliders.
void DisplayTest::objectsWindow()
{
    QFETCH(int, steps);
    QFETCH(int, choose);
    QFETCH(QStringList, listed);

    PasteTwoGliders();
    const QImage before = Grab(*window_);
    QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    auto* objects = window_->findChild<QWidget*>(QStringLiteral("objectsWindow"));
    auto* list = window_->findChild<QListView*>(QStringLiteral("objectsList"));
    QVERIFY(objects != nullptr && objects->isVisible());
    for (int i = 0; i < steps; ++i) {
        Press(*window_, "cmdOneStep");
    }
    if (steps < 0) {
        ClickTwips(165 * 10 + 80, 165 * 11 + 80); // the first glider's top cell, row 12 column 11
    }
    list->setCurrentIndex(list->model()->index(choose, 0));
    if (!listed.isEmpty()) {
        const auto shown = [&] {
            QStringList lines{window_->findChild<QLabel*>(QStringLiteral("objectsFate"))->text()};
            for (int i = 0; i < list->model()->rowCount(); ++i) {
                lines << list->model()->index(i, 0).data().toString();
            }
            return lines;
        };
        QTRY_COMPARE(shown(), listed);
        return;
    }
    // Only the gap round the second glider's cells, rows 16 to 18 and columns 19 to 21, changes
    // (to a pixel past their slots, which rounding may reach), all the way round them; and closing
    // the window takes the outline away.
    const QImage after = Grab(*window_);
    const double ratio = after.devicePixelRatio();
    const QRect around(QPoint(11 * 18 - 1, 11 * 15 - 1), QPoint(11 * 21, 11 * 18));
    QRect changed;
    std::set<int> across; // across the outline's left side, through the object's middle row
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (after.pixel(x, y) != before.pixel(x, y)) {
                const QPoint at(static_cast<int>(x / ratio), static_cast<int>(y / ratio));
                QVERIFY2(around.contains(at),
                         qPrintable(QStringLiteral("pixel (%1, %2) changed").arg(x).arg(y)));
                changed |= QRect(at, QSize(1, 1));
                if (at.y() == 11 * 16 + 5 && at.x() <= 11 * 18 + 2) {
                    across.insert(at.x());
                }
            }
        }
    }
    QVERIFY2(changed.contains(around.adjusted(1, 1, -1, -1)), "the ring does not go all round");
    // Two logical pixels wide, so that it stands out against black and silver alike.
    QCOMPARE(across.size(), std::size_t{2});
    QCOMPARE(Mismatch(), QString());
    objects->close();
    QCOMPARE(Grab(*window_), before);
}

void DisplayTest::tooltipSaysTheObjectUnderThePointer_data()
{
    QTest::addColumn<QPoint>("cell"); // row, column
    QTest::addColumn<QString>("tip");

    QTest::newRow("the first glider's top cell")
        << QPoint(12, 11) << "Glider at row 12, column 10, heading down and to the right.";
    QTest::newRow("the second glider's bottom cell")
        << QPoint(18, 20) << "Glider at row 16, column 19, heading up and to the left.";
    QTest::newRow("a dead cell in a glider's box") << QPoint(12, 10) << QString();
}

void DisplayTest::tooltipSaysTheObjectUnderThePointer()
{
    QFETCH(QPoint, cell);
    QFETCH(QString, tip);

    PasteTwoGliders();
    QWidget* area = PictureArea(*window_);
    const QPoint at = CellCentre(cell.x(), cell.y());
    QHelpEvent help(QEvent::ToolTip, at, area->mapToGlobal(at));
    QApplication::sendEvent(area, &help);
    QTRY_COMPARE(QToolTip::text(), tip);
}

void DisplayTest::Paste(const char* rle)
{
    QApplication::setActiveWindow(window_.get());
    QApplication::clipboard()->setText(QString::fromLatin1(rle));
    QTest::keyClick(window_.get(), Qt::Key_V, Qt::ControlModifier);
}

QWidget* DisplayTest::OpenObjects()
{
    QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    return window_->findChild<QWidget*>(QStringLiteral("objectsWindow"));
}

QString DisplayTest::ObjectsFate() const
{
    return window_->findChild<QLabel*>(QStringLiteral("objectsFate"))->text();
}

// The entry shown as chosen, or -1.
int DisplayTest::ChosenEntry() const
{
    const auto* list = window_->findChild<QListView*>(QStringLiteral("objectsList"));
    const QModelIndexList chosen = list->selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? -1 : chosen.front().row();
}

void DisplayTest::fateIsTheSameOnEveryRoad_data()
{
    QTest::addColumn<int>("steps");    // 1 Step pressed so many times
    QTest::addColumn<bool>("running"); // and then a run, looked at while it runs
    QTest::addColumn<bool>("open");    // the window of objects open from the start
    QTest::addColumn<bool>("undo");    // then 1 Step and undo
    QTest::addColumn<QString>("fate");

    const QString ahead = QStringLiteral("The board settles at step 59 into a block.");
    const QString past = QStringLiteral("The board settled at step 59 into a block.");
    QTest::newRow("before it runs") << 0 << false << false << false << ahead;
    QTest::newRow("ten steps on, the window open") << 10 << false << true << false << ahead;
    QTest::newRow("while it runs, the window open") << 10 << true << true << false << ahead;
    QTest::newRow("while it runs, the window shut") << 10 << true << false << false << ahead;
    QTest::newRow("stopped at 220") << 220 << false << false << false << past;
    QTest::newRow("stopped at 220, the window open") << 220 << false << true << false << past;
    QTest::newRow("1 Step and undo, the window open") << 220 << false << true << true << past;
}

// The glider example settles into a block at step 59, as its comment says: D, the window of
// objects and the tip say so, before it gets there and after, however it got there.
void DisplayTest::fateIsTheSameOnEveryRoad()
{
    QFETCH(int, steps);
    QFETCH(bool, running);
    QFETCH(bool, open);
    QFETCH(bool, undo);
    QFETCH(QString, fate);

    Paste("x = 3, y = 3\nbo$2bo$3o!");
    QWidget* objects = open ? OpenObjects() : nullptr;
    for (int i = 0; i < steps; ++i) {
        Press(*window_, "cmdOneStep");
    }
    if (running) {
        Press(*window_, "cmdGo");
        QTRY_COMPARE(LabelText(*window_), QStringLiteral("Steps: %1").arg(steps + 2));
    }
    if (undo) {
        Press(*window_, "cmdOneStep");
        QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
    }
    QTest::keyClick(PictureArea(*window_), Qt::Key_D);
    QVERIFY2(QToolTip::text().endsWith(fate), qPrintable(QToolTip::text()));
    if (objects != nullptr) {
        objects->close();
        OpenObjects();
        QCOMPARE(ObjectsFate(), fate);
    }
}

void DisplayTest::objectsWindowChoice_data()
{
    QTest::addColumn<QString>("done"); // after the second glider is chosen
    QTest::addColumn<int>("chosen");

    QTest::newRow("chosen by the arrows") << "" << 1;
    QTest::newRow("a step on, the same glider") << "cmdOneStep" << 1;
    QTest::newRow("a fill takes it away") << "cmdAllOn" << -1;
    QTest::newRow("and undo does not bring it back") << "cmdAllOn undo" << -1;
    QTest::newRow("a load takes it away") << "paste" << -1;
    QTest::newRow("undo of a click keeps it") << "click undo" << 1;
    QTest::newRow("N chooses the object it goes to") << "N" << 0;
}

// Nothing is chosen until a person chooses; what they chose stays chosen while it is there.
void DisplayTest::objectsWindowChoice()
{
    QFETCH(QString, done);
    QFETCH(int, chosen);

    PasteTwoGliders();
    OpenObjects();
    auto* list = window_->findChild<QListView*>(QStringLiteral("objectsList"));
    QTRY_COMPARE(list->model()->rowCount(), 2);
    QCOMPARE(ChosenEntry(), -1);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(ChosenEntry(), 1);
    for (const QString& action : done.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (action.startsWith(QStringLiteral("cmd"))) {
            Press(*window_, qPrintable(action));
        } else if (action == QStringLiteral("undo")) {
            QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
        } else if (action == QStringLiteral("paste")) {
            PasteTwoGliders();
        } else if (action == QStringLiteral("click")) {
            ClickTwips(165 * 2 + 80, 165 * 2 + 80);
        } else {
            PictureArea(*window_)->setFocus();
            QTest::keyClick(PictureArea(*window_), Qt::Key_N);
        }
    }
    QCOMPARE(ChosenEntry(), chosen);
}

// The chosen glider's outline goes with it at every generation of a run.
void DisplayTest::outlineFollowsARunningGlider()
{
    PasteTwoGliders();
    QWidget* objects = OpenObjects();
    auto* list = window_->findChild<QListView*>(QStringLiteral("objectsList"));
    QTRY_COMPARE(list->model()->rowCount(), 2);
    QTest::keyClick(list, Qt::Key_Down);
    QSignalSpy outlined(objects, SIGNAL(Outlined(int, int, int, int)));
    Press(*window_, "cmdGo");
    for (int step = 1; step <= 6; ++step) {
        QTRY_COMPARE(LabelText(*window_), QStringLiteral("Steps: %1").arg(step));
        QVERIFY(!outlined.isEmpty());
        // The first glider heads down and to the right: its box, rows 12 to 14 and columns 10
        // to 12 at the start, is a cell further every 4 steps, and leans in between.
        int top = 30;
        int left = 30;
        int bottom = 0;
        int right = 0;
        for (const auto& [r, c] : LiveCells(window_->board())) {
            if (r < 20 && c < 16) {
                top = std::min(top, r);
                left = std::min(left, c);
                bottom = std::max(bottom, r);
                right = std::max(right, c);
            }
        }
        const QList<QVariant> last = outlined.takeLast();
        QCOMPARE(QRect(QPoint(last[1].toInt(), last[0].toInt()),
                       QPoint(last[3].toInt(), last[2].toInt())),
                 QRect(QPoint(left, top), QPoint(right, bottom)));
        outlined.clear();
    }
    Press(*window_, "cmdStop");
}

// Two gliders side by side, the left heading down and the right up, swap places in the census's
// order within a few steps; the list, a second behind a running board, may still show the
// first order. A line chosen then is the object it names, where that object is now.
void DisplayTest::chosenLineIsTheObjectItShows()
{
    Paste("bo8b3o$2bo9bo$3o8bo!");
    OpenObjects();
    auto* list = window_->findChild<QListView*>(QStringLiteral("objectsList"));
    QTRY_COMPARE(list->model()->rowCount(), 2);
    Press(*window_, "cmdGo");
    QTRY_COMPARE(LabelText(*window_), QStringLiteral("Steps: 5"));
    Press(*window_, "cmdStop");
    const bool down = list->model()->index(0, 0).data().toString().contains(QStringLiteral("down"));
    QSignalSpy outlined(window_->findChild<QWidget*>(QStringLiteral("objectsWindow")),
                        SIGNAL(Outlined(int, int, int, int)));
    list->setCurrentIndex(list->model()->index(0, 0));
    QVERIFY(!outlined.isEmpty());
    // The glider named, by where it heads: the left one heads down, the right one up.
    CellSet left;
    CellSet right;
    const CellSet live = LiveCells(window_->board());
    const auto [fewest, most] = std::minmax_element(
        live.begin(), live.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    const int middle = (fewest->second + most->second) / 2;
    for (const auto& cell : live) {
        (cell.second < middle ? left : right).insert(cell);
    }
    const CellSet& named = down ? left : right;
    QRect box;
    for (const auto& [r, c] : named) {
        box |= QRect(c, r, 1, 1);
    }
    const QList<QVariant> last = outlined.takeLast();
    QCOMPARE(
        QRect(QPoint(last[1].toInt(), last[0].toInt()), QPoint(last[3].toInt(), last[2].toInt())),
        box);
}

void DisplayTest::objectsWindowLeavesTheCommandsInSight_data()
{
    QTest::addColumn<int>("screen");  // of the screens the test's configuration gives
    QTest::addColumn<bool>("beside"); // clear of the whole window, not only of the commands
    // The same for the population graph opened after it, which is no use narrower than 240
    // pixels: on 800 x 600 it goes over the board.
    QTest::addColumn<bool>("graphBeside");
    QTest::addColumn<bool>("graphFirst"); // opened before the window of objects

    QTest::newRow("1024 x 768, as a school projector") << 0 << true << true << false;
    QTest::newRow("1024 x 768, the graph first") << 0 << true << true << true;
    QTest::newRow("800 x 600, narrower") << 1 << true << false << false;
    QTest::newRow("640 x 480, over the board") << 2 << false << false << false;
}

// With the window in the middle of a small screen, the windows of objects and of the population
// cover none of its buttons or its count, and where they can, nothing of it nor of each other.
void DisplayTest::objectsWindowLeavesTheCommandsInSight()
{
    QFETCH(int, screen);
    QFETCH(bool, beside);
    QFETCH(bool, graphBeside);
    QFETCH(bool, graphFirst);
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").contains(QStringLiteral("objects_screens"))) {
        QSKIP("Only on the screens of support/objects_screens.json, in the run CTest makes.");
    }
    const QList<QScreen*> screens = QGuiApplication::screens();
    QCOMPARE_GT(screens.size(), screen);
    const QRect area = screens[screen]->availableGeometry();
    window_->move(area.center() - window_->rect().center());
    QTRY_COMPARE(window_->screen(), screens[screen]);
    PasteTwoGliders();
    // And the population graph after it, or before, each keeping clear of the other too.
    const auto openGraph = [this] {
        QApplication::setActiveWindow(window_.get());
        QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        auto* graph = window_->findChild<QWidget*>(QStringLiteral("populationWindow"));
        QTRY_VERIFY(graph->isVisible());
    };
    if (graphFirst) {
        openGraph();
    }
    QWidget* objects = OpenObjects();
    QTRY_VERIFY(objects->isVisible());
    if (!graphFirst) {
        openGraph();
    }
    auto* population = window_->findChild<QWidget*>(QStringLiteral("populationWindow"));
    for (const QWidget* side : {objects, population}) {
        const QRect placed = side->frameGeometry();
        const QString where = QStringLiteral("%1 at %2,%3 %4x%5")
                                  .arg(side->objectName())
                                  .arg(placed.x())
                                  .arg(placed.y())
                                  .arg(placed.width())
                                  .arg(placed.height());
        QVERIFY2(area.contains(placed), qPrintable(where));
        for (const char* name : {"cmdAllOn", "cmdAllOff", "cmdRandom", "cmdOneStep", "cmdGo",
                                 "cmdStop", "lblStepCount"}) {
            auto* control = window_->findChild<QWidget*>(QString::fromLatin1(name));
            const QRect command(control->mapToGlobal(QPoint(0, 0)), control->size());
            QVERIFY2(!placed.intersects(command), qPrintable(where + QLatin1Char(' ') + name));
        }
        QCOMPARE(!placed.intersects(window_->frameGeometry()),
                 side == objects ? beside : graphBeside);
    }
    if (graphBeside) {
        QVERIFY(!objects->frameGeometry().intersects(population->frameGeometry()));
    }
}

namespace {

// The steps as a model of the rule counts them, one row each: the past as the test went, and
// then the steps ahead, run on the model, to the step given.
class Counted
{
public:
    void Reset(const quarn::testing::ReferenceModel& model)
    {
        rows_.clear();
        before_ = model;
        Add(model);
    }
    void Stepped(const quarn::testing::ReferenceModel& model)
    {
        before_ = now_;
        Add(model);
    }
    void Edited(const quarn::testing::ReferenceModel& model)
    {
        rows_.pop_back();
        Add(model);
    }
    QString Csv(int until) const
    {
        QString csv = QStringLiteral("step,live,born,died,ahead\n") + rows_.join(QString());
        quarn::testing::ReferenceModel ahead = now_;
        for (int step = now_.Count() + 1; step <= until; ++step) {
            const quarn::testing::ReferenceModel was = ahead;
            ahead.Step();
            csv += Row(was, ahead, true);
        }
        return csv;
    }

private:
    void Add(const quarn::testing::ReferenceModel& model)
    {
        now_ = model;
        rows_ << Row(before_, model, false);
    }
    static QString Row(const quarn::testing::ReferenceModel& was,
                       const quarn::testing::ReferenceModel& is, bool ahead)
    {
        int live = 0;
        int born = 0;
        int died = 0;
        for (int r = 1; r <= 30; ++r) {
            for (int c = 1; c <= 30; ++c) {
                live += is.At(r, c) ? 1 : 0;
                born += is.At(r, c) && !was.At(r, c) ? 1 : 0;
                died += !is.At(r, c) && was.At(r, c) ? 1 : 0;
            }
        }
        return QStringLiteral("%1,%2,%3,%4,%5\n")
            .arg(is.Count())
            .arg(live)
            .arg(born)
            .arg(died)
            .arg(ahead ? 1 : 0);
    }

    QStringList rows_;
    quarn::testing::ReferenceModel before_;
    quarn::testing::ReferenceModel now_;
};

} // namespace

// The graph's steps, copied with Ctrl+C, against a model's count: the glider, three steps, a
// cell switched on far from it, two more; then a fill that starts anew, and undo and redo that
// bring back the graph that went with each board.
void DisplayTest::populationFollowsTheBoard()
{
    Paste("x = 3, y = 3\nbo$2bo$3o!");
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    auto* graph = window_->findChild<QWidget*>(QStringLiteral("populationGraph"));
    QTRY_VERIFY(graph->isVisible());
    const auto copied = [graph] {
        QApplication::clipboard()->clear();
        QTest::keyClick(graph, Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->text();
    };
    quarn::testing::ReferenceModel model;
    for (const auto& [r, c] : {std::pair{14, 15}, {15, 16}, {16, 14}, {16, 15}, {16, 16}}) {
        model.Toggle(r, c);
    }
    Counted counted;
    counted.Reset(model);
    for (int step = 1; step <= 5; ++step) {
        Press(*window_, "cmdOneStep");
        model.Step();
        counted.Stepped(model);
        if (step == 3) {
            ClickTwips(165 * 1 + 80, 165 * 1 + 80);
            model.Toggle(2, 2);
            counted.Edited(model);
        }
    }
    // The glider settles in the corner at step 59, as its example says; the lone cell is gone.
    const QString glider = copied();
    QCOMPARE(glider, counted.Csv(59));
    Press(*window_, "cmdAllOn");
    const QString fill = QStringLiteral("step,live,born,died,ahead\n0,900,0,0,0\n1,4,0,896,1\n"
                                        "2,0,0,4,1\n");
    QCOMPARE(copied(), fill);
    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(copied(), glider);
    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(copied(), fill);
}

// A blinker's graph is a flat line at 3 of the axis' 10, the height of the pixels drawn in the
// past's colour along the steps shown.
void DisplayTest::populationLineIsWhereItShouldBe()
{
    Paste("x = 3, y = 1\n3o!");
    for (int step = 0; step < 6; ++step) {
        Press(*window_, "cmdOneStep");
    }
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    auto* graph = window_->findChild<QWidget*>(QStringLiteral("populationGraph"));
    QTRY_VERIFY(graph->isVisible());
    const QImage image = graph->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double ratio = image.devicePixelRatio();
    // The axis along the bottom, and the highest grid line, at 10.
    const QRgb axis = qRgb(0x60, 0x60, 0x60);
    const QRgb grid = qRgb(0xE4, 0xE4, 0xE4);
    const QRgb past = qRgb(0x1A, 0x4F, 0x9C);
    const int x = image.width() / 2;
    int bottom = -1;
    int top = -1;
    for (int y = 0; y < image.height(); ++y) {
        bottom = image.pixel(x, y) == axis ? y : bottom;
        top = top < 0 && image.pixel(x, y) == grid ? y : top;
    }
    QVERIFY(bottom > 0 && top > 0);
    const double flat = bottom - 0.3 * (bottom - top);
    int drawn = 0;
    for (int column = 0; column < image.width(); ++column) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(column, y) == past) {
                ++drawn;
                QVERIFY2(
                    std::abs(y - flat) <= 2 * ratio,
                    qPrintable(QStringLiteral("(%1, %2), not at %3").arg(column).arg(y).arg(flat)));
            }
        }
    }
    QVERIFY(drawn > 0);
    // The marker to the first step and away again: the axis and its labels as they were.
    QTest::keyClick(graph, Qt::Key_Home);
    QTest::keyClick(graph, Qt::Key_End);
    const QImage again = graph->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect left(3, 3, image.width() / 4, image.height() - 6);
    QVERIFY(again.copy(left) == image.copy(left));
}

// View ▸ Trail over a blinker, one step on: the ends of its first phase dead now, in the trail's
// colour; gone with a fill, back with undo, gone with redo; and D counts the cells life reached.
void DisplayTest::trailFollowsTheRun()
{
    Paste("x = 3, y = 1\n3o!");
    QAction* trail = nullptr;
    for (QAction* action : window_->findChildren<QAction*>()) {
        trail = action->text() == QStringLiteral("&Trail") ? action : trail;
    }
    QVERIFY(trail != nullptr && trail->isCheckable() && !trail->isChecked());
    trail->setChecked(true);
    Press(*window_, "cmdOneStep");
    constexpr QRgb lived = qRgb(0x4D, 0x4D, 0xA6);
    const auto trailed = [this] {
        CellSet cells;
        const QImage image = Grab(*window_);
        for (int r = 1; r <= 30; ++r) {
            for (int c = 1; c <= 30; ++c) {
                if (PixelAt(image, CellCentre(r, c)) == lived) {
                    cells.insert({r, c});
                }
            }
        }
        return cells;
    };
    const CellSet ends{{15, 14}, {15, 16}};
    QCOMPARE(trailed(), ends);
    QCOMPARE(PixelAt(Grab(*window_), CellCentre(14, 15)), quarn::testing::kLive);
    QTest::keyClick(PictureArea(*window_), Qt::Key_D);
    QVERIFY2(QToolTip::text().endsWith(QStringLiteral("Life has reached 5 of 900 cells.")),
             qPrintable(QToolTip::text()));
    Press(*window_, "cmdAllOff");
    QCOMPARE(trailed(), CellSet{});
    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(trailed(), ends);
    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(trailed(), CellSet{});
    // Off, the board is drawn as it always is.
    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
    trail->setChecked(false);
    QCOMPARE(trailed(), CellSet{});
    QCOMPARE(Mismatch(), QString());
}

QTEST_MAIN(DisplayTest)
#include "display_test.moc"
