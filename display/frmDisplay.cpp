#include "display/frmDisplay.h"

#include "board/checked.h"
#include "census/field.h"
#include "display/forms/font.h"
#include "features/access/accessible_factory.h"
#include "features/access/announcer.h"
#include "features/access/board_access.h"
#include "features/editing/board_cursor.h"
#include "features/editing/board_stroke.h"
#include "features/editing/button_keys.h"
#include "features/editing/history.h"
#include "features/files/examples.h"
#include "features/files/pattern_transfer.h"
#include "features/menus/menus.h"
#include "features/moments/moments_tour.h"
#include "features/moments/moments_window.h"
#include "features/objects/board_objects.h"
#include "features/objects/objects_window.h"
#include "features/pictures/picture_export.h"
#include "features/population/population_graph.h"
#include "features/population/population_window.h"
#include "features/rule/rule_at_work.h"
#include "features/sound/sound_player.h"
#include "geometry/board_look.h"

#include <QString>

#include <limits>
#include <utility>

namespace quarn {

namespace {

using forms::OleColor;
using forms::TwipsRect;

constexpr int kClientWidthTwips = 7152;
constexpr int kClientHeightTwips = 5664;
constexpr int kRunInterval = 100;

constexpr OleColor kWindowColor = 0xE0E0E0;
constexpr OleColor kBoardColor = forms::FromRgb(BoardLook::kGap);
constexpr OleColor kLiveColor = forms::FromRgb(BoardLook::kLive);
constexpr OleColor kDeadColor = forms::FromRgb(BoardLook::kDead);
constexpr OleColor kTrailColor = forms::FromRgb(BoardLook::kTrail);
constexpr OleColor kOutlineColor = forms::FromRgb(BoardLook::kOutline);

constexpr double kFontPoints = 12.0;

// The caption when the count has the most digits it can have.
QString WidestCaption()
{
    return frmDisplay::tr("Steps: %1").arg(std::numeric_limits<std::int16_t>::max());
}

} // namespace

frmDisplay::frmDisplay(QWidget* parent)
    : forms::Form(tr("Game of Quarn"), kClientWidthTwips, kClientHeightTwips, kWindowColor, parent),
      run_(this),
      menuBar_(this),
      picFrame(kBoardColor, this),
      cmdAllOn(this),
      cmdAllOff(this),
      cmdRandom(this),
      cmdOneStep(this),
      cmdGo(this),
      cmdStop(this),
      lblStepCount(this),
      timer(this)
{
    run_.setObjectName(QStringLiteral("run"));
    // The features before the layout: the menus make the bar's height, and what presents the
    // controls to assistive technology is there before anything asks for it.
    CreateFeatures();
    LayOut();
    ConnectHandlers();
}

// The features go first, the latest made first, while the board and the controls they read are
// all still there.
frmDisplay::~frmDisplay()
{
    while (!made_.empty()) {
        delete made_.back();
        made_.pop_back();
    }
}

const Board& frmDisplay::board() const
{
    return board_;
}

const RunModel& frmDisplay::run() const
{
    return run_.Model();
}

// Once the window is on the screen, so that a warning about the file opens over it.
void frmDisplay::OpenPattern(const QByteArray& path)
{
    if (IsShown()) {
        emit PatternFileGiven(path);
        return;
    }
    connect(
        this, &forms::Form::Shown, this, [this, path] { emit PatternFileGiven(path); },
        Qt::SingleShotConnection);
}

void frmDisplay::LayOut()
{
    struct Control
    {
        QWidget* widget;
        const char* name;
        TwipsRect rect;
        QString caption;
    };
    const Control controls[] = {
        {&picFrame, "picFrame", {120, 120, BoardLook::kAreaTwips, BoardLook::kAreaTwips}, {}},
        {&cmdAllOn, "cmdAllOn", {5520, 120, 1452, 492}, tr("All On")},
        {&cmdAllOff, "cmdAllOff", {5520, 720, 1452, 492}, tr("All Off")},
        {&cmdRandom, "cmdRandom", {5520, 1320, 1452, 492}, tr("Random")},
        {&cmdOneStep, "cmdOneStep", {5520, 1920, 1452, 492}, tr("1 Step")},
        {&cmdGo, "cmdGo", {5520, 2520, 1455, 495}, tr("Go")},
        {&cmdStop, "cmdStop", {5520, 3120, 1452, 492}, tr("Stop")},
        {&lblStepCount, "lblStepCount", {5520, 3720, 1452, 492}, tr("Steps: %1").arg(0)},
    };
    SetMenuBar(menuBar_);
    const QFont font = forms::DialogFont(kFontPoints);
    for (const Control& control : controls) {
        control.widget->setObjectName(QString::fromLatin1(control.name));
        PlaceInTwips(*control.widget, control.rect);
        if (!control.caption.isEmpty()) {
            control.widget->setProperty("text", control.caption);
            control.widget->setFont(font);
            // In a language with longer words the caption keeps to the control, in a smaller
            // face if it must.
            forms::FitCaption(*control.widget);
        }
    }
    timer.setObjectName(QStringLiteral("timer"));

    // Whatever face stands in for the dialog font, the largest count must show in full.
    lblStepCount.setFont(
        forms::FitToWidth(font, WidestCaption(), lblStepCount.contentsRect().width()));

    // The board first, so that it has the focus at start; among the buttons "Go" comes last,
    // after "Stop".
    picFrame.setFocusPolicy(Qt::TabFocus);
    setTabOrder(&picFrame, &cmdAllOn);
    setTabOrder(&cmdAllOn, &cmdAllOff);
    setTabOrder(&cmdAllOff, &cmdRandom);
    setTabOrder(&cmdRandom, &cmdOneStep);
    setTabOrder(&cmdOneStep, &cmdStop);
    setTabOrder(&cmdStop, &cmdGo);
    picFrame.setFocus();
}

// Made in an order of their own, not the members': each feature is owned by the object it
// serves, and the destructor takes them down in the reverse order.
template <typename Feature, typename... Args> Feature* frmDisplay::Make(Args&&... args)
{
    auto* feature = new Feature(std::forward<Args>(args)...);
    made_.push_back(feature);
    return feature;
}

void frmDisplay::CreateFeatures()
{
    InstallAccessibleFactory();
    std::vector<Menus::Example> examples;
    for (const QString& name : Examples::Names()) {
        examples.emplace_back(name, Examples::Title(name));
    }
    menus_ =
        Make<Menus>(menuBar_, *this, examples,
                    std::vector<const KeyTable*>{&BoardCursor::Keys(), &PopulationGraph::Keys()});
    transfer_ = Make<PatternTransfer>(*this, board_);
    cursor_ = Make<BoardCursor>(picFrame);
    access_ = Make<BoardAccess>(picFrame, board_);
    buttonKeys_ = Make<ButtonKeys>(this);
    stroke_ = Make<BoardStroke>(board_, this);
    history_ = Make<History>(board_, run_.Model().Record(), this);
    announcer_ = Make<Announcer>(lblStepCount, board_);
    objects_ = Make<BoardObjects>(picFrame, board_, run_.Model());
    objectsWindow_ = Make<ObjectsWindow>(*objects_, *this);
    populationWindow_ = Make<PopulationWindow>(run_.Model(), *this, picFrame);
    pictures_ = Make<PictureExport>(*this, run_.Model(), *transfer_);
    sound_ = Make<SoundPlayer>(run_.Model(), this);
    // After the objects, so that its tips come first while the marks show.
    rule_ = Make<RuleAtWork>(picFrame, run_.Model());
    tour_ = Make<MomentsTour>(run_.Model(), this);
    momentsWindow_ = Make<MomentsWindow>(*this, picFrame);
}

// --- Connections -----------------------------------------------------------------------------

// Every connection the window makes, concern by concern: its controls to their handlers, and its
// features to the procedures that carry out what they ask. The one place where the window
// speaks to them.
void frmDisplay::ConnectHandlers()
{
    ConnectCommands();
    ConnectMouse();
    ConnectEditing();
    ConnectHistory();
    ConnectFiles();
    ConnectObjects();
    ConnectPopulation();
    ConnectPictures();
    ConnectSound();
    ConnectRule();
    ConnectMoments();
    ConnectMenus();
    ConnectAccess();
}

// The load, the run timer and the six buttons, each leaving its entry in the history and saying
// once what it did; "1 Step" during a run belongs to the run.
void frmDisplay::ConnectCommands()
{
    connect(this, &forms::Form::Load, this, &frmDisplay::Form_Load);
    connect(&timer, &forms::IntervalTimer::Timer, this, &frmDisplay::timer_Timer);
    connect(&cmdAllOn, &QPushButton::clicked, this, [this] {
        RunAlone([this] { cmdAllOn_Click(); }, QT_TRANSLATE_NOOP("quarn::History", "All On"),
                 tr("All on"));
    });
    connect(&cmdAllOff, &QPushButton::clicked, this, [this] {
        RunAlone([this] { cmdAllOff_Click(); }, QT_TRANSLATE_NOOP("quarn::History", "All Off"),
                 tr("All off"));
    });
    connect(&cmdRandom, &QPushButton::clicked, this, [this] {
        RunAlone([this] { cmdRandom_Click(); }, QT_TRANSLATE_NOOP("quarn::History", "Random"),
                 tr("Random"));
    });
    connect(&cmdOneStep, &QPushButton::clicked, this, [this] {
        cmdOneStep_Click();
        history_->Record(QStringLiteral(QT_TRANSLATE_NOOP("quarn::History", "1 Step")));
        announcer_->Status();
    });
    connect(&cmdGo, &QPushButton::clicked, this, [this] {
        history_->RunStarted();
        cmdGo_Click();
        announcer_->Started();
    });
    connect(&cmdStop, &QPushButton::clicked, this, [this] {
        const bool running = timer.Interval() != 0;
        cmdStop_Click();
        history_->CloseRun();
        if (running) {
            announcer_->Stopped();
        }
    });
    // R from the board or the graph: the button for it pressed, the focus left where it is.
    const auto runOrStop = [this] { (timer.Interval() != 0 ? cmdStop : cmdGo).click(); };
    connect(cursor_, &BoardCursor::RunRequested, this, runOrStop);
    connect(populationWindow_, &PopulationWindow::RunRequested, this, runOrStop);
}

void frmDisplay::ConnectMouse()
{
    connect(&picFrame, &forms::PictureBox::MouseDown, this, &frmDisplay::BoardPressed);
    connect(&picFrame, &forms::PictureBox::MouseMove, this,
            [this](int buttons, int /*shift*/, float x, float y) { BoardDragged(buttons, x, y); });
    connect(
        &picFrame, &forms::PictureBox::MouseUp, stroke_,
        [this](int button, int /*shift*/, float /*x*/, float /*y*/) { stroke_->Release(button); });
}

// The keyboard's cursor and the mouse's strokes, each toggling cells through the window, and
// the keyboard's way in on the buttons: Enter.
void frmDisplay::ConnectEditing()
{
    for (QPushButton* button : {&cmdAllOn, &cmdAllOff, &cmdRandom, &cmdOneStep, &cmdGo, &cmdStop}) {
        buttonKeys_->Watch(*button);
    }
    connect(cursor_, &BoardCursor::ToggleRequested, this, &frmDisplay::ToggleAndSay);
    connect(stroke_, &BoardStroke::ToggleRequested, this, [this](int row, int column) {
        ToggleCell(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column));
    });
    connect(cursor_, &BoardCursor::MarkerShown, this,
            [this](int row, int column, const QColor& color) {
                MarkCells(kCursorMarker, row, column, row, column, color);
            });
    connect(cursor_, &BoardCursor::MarkerHidden, &picFrame,
            [this] { picFrame.Unmark(kCursorMarker); });
}

void frmDisplay::ConnectHistory()
{
    connect(this, &frmDisplay::CellToggled, history_, [this] {
        history_->Record(QStringLiteral(QT_TRANSLATE_NOOP("quarn::History", "Toggle")));
    });
    connect(stroke_, &BoardStroke::Started, history_, &History::StrokeStarted);
    connect(stroke_, &BoardStroke::Ended, history_, &History::StrokeEnded);
    connect(history_, &History::StopRequested, this, &frmDisplay::cmdStop_Click);
    connect(history_, &History::RestoreRequested, this, &frmDisplay::ShowState);
    connect(history_, &History::Undone, this,
            [this](const QString& action) { announcer_->Restored(tr("Undo %1").arg(action)); });
    connect(history_, &History::Redone, this,
            [this](const QString& action) { announcer_->Restored(tr("Redo %1").arg(action)); });
    connect(history_, &History::UndoChanged, menus_, &Menus::ShowUndo);
    connect(history_, &History::RedoChanged, menus_, &Menus::ShowRedo);
}

void frmDisplay::ConnectFiles()
{
    connect(transfer_, &PatternTransfer::PatternRead, this, [this](const std::vector<Cell>& cells) {
        RunAlone([this, &cells] { LoadCells(cells); },
                 QT_TRANSLATE_NOOP("quarn::History", "Load Pattern"), tr("Pattern loaded"));
    });
    connect(this, &frmDisplay::PatternFileGiven, transfer_, &PatternTransfer::OpenFile);
    connect(transfer_, &PatternTransfer::Said, announcer_, &Announcer::Say);
}

// The board's objects: said, visited and listed; the list follows the board, and the object
// chosen in it is outlined in the cursor's colour.
void frmDisplay::ConnectObjects()
{
    // D ends with what the next generation brings, while its marks show, and the next moment.
    connect(cursor_, &BoardCursor::DescribeRequested, objects_, [this](int row, int column) {
        const QStringList last = QStringList{rule_->Outlook(), tour_->NextAhead()};
        objects_->Describe(row, column, last.join(QLatin1Char(' ')).trimmed());
    });
    connect(cursor_, &BoardCursor::ObjectRequested, objects_, &BoardObjects::Visit);
    connect(objects_, &BoardObjects::Said, announcer_, &Announcer::Say);
    connect(objects_, &BoardObjects::CursorRequested, cursor_, &BoardCursor::Place);
    FollowRun(objectsWindow_, [this] { objectsWindow_->Follow(timer.Interval() != 0); });
    connect(objectsWindow_, &ObjectsWindow::Chosen, cursor_, &BoardCursor::Place);
    connect(objects_, &BoardObjects::Visited, objectsWindow_, &ObjectsWindow::ChooseAt);
    connect(objectsWindow_, &ObjectsWindow::Outlined, this,
            [this](int top, int left, int bottom, int right) {
                MarkCells(kObjectMarker, top, left, bottom, right,
                          BoardCursor::MarkerColor(picFrame.palette()));
            });
    connect(objectsWindow_, &ObjectsWindow::OutlineGone, &picFrame,
            [this] { picFrame.Unmark(kObjectMarker); });
}

// The population at every step, which follows the board at every change and generation.
void frmDisplay::ConnectPopulation()
{
    connect(menus_, &Menus::PopulationRequested, populationWindow_, &PopulationWindow::OpenOrRaise);
    FollowRun(populationWindow_, [this] { populationWindow_->Follow(); });
    connect(populationWindow_, &PopulationWindow::Said, announcer_, &Announcer::Say);
}

// The trail on the board and in what is said and saved of it, and the board saved as pictures.
void frmDisplay::ConnectPictures()
{
    connect(menus_, &Menus::TrailShown, this, &frmDisplay::ShowTrail);
    connect(menus_, &Menus::TrailShown, objects_, &BoardObjects::ShowTrail);
    connect(menus_, &Menus::TrailShown, pictures_, &PictureExport::ShowTrail);
    connect(menus_, &Menus::ExportPictureRequested, pictures_, &PictureExport::ExportPicture);
    connect(menus_, &Menus::ExportAnimationRequested, pictures_, &PictureExport::ExportAnimation);
    connect(pictures_, &PictureExport::Said, announcer_, &Announcer::Say);
    connect(menus_, &Menus::TrailShown, announcer_, [this](bool shown) {
        announcer_->Say(shown ? tr("Trail shown.") : tr("Trail hidden."));
    });
}

// The population heard: the graph on P, with its marker where the sound is; and, while the
// board runs, a tone for each generation.
void frmDisplay::ConnectSound()
{
    connect(populationWindow_, &PopulationWindow::PlayRequested, sound_, [this] {
        std::vector<int> moments;
        if (const Moments* known = tour_->Known()) {
            for (const Moment& moment : known->list) {
                moments.push_back(moment.step);
            }
        }
        sound_->PlayGraph(populationWindow_->Series(), moments);
        populationWindow_->ShowPlaying(sound_->Playing());
    });
    connect(populationWindow_, &PopulationWindow::StopRequested, sound_, &SoundPlayer::Stop);
    connect(sound_, &SoundPlayer::Reached, populationWindow_, &PopulationWindow::MarkPoint);
    connect(sound_, &SoundPlayer::Stopped, populationWindow_, [this](int point) {
        populationWindow_->MarkPoint(point);
        populationWindow_->ShowPlaying(false);
    });
    connect(sound_, &SoundPlayer::Said, announcer_, &Announcer::Say);
    connect(menus_, &Menus::SoundWhileRunning, sound_, &SoundPlayer::PlayWhileRunning);
    connect(menus_, &Menus::SoundWhileRunning, announcer_, [this](bool on) {
        announcer_->Say(on ? tr("Sound while running on.") : tr("Sound while running off."));
    });
    // A tone for each generation of a run; a fill, a load, undo or Stop ends the run's tones.
    connect(&run_, &Run::Stepped, sound_, [this] { sound_->Follow(timer.Interval() != 0); });
    const auto silence = [this] { sound_->Follow(false); };
    connect(&run_, &Run::Reset, sound_, silence);
    connect(&run_, &Run::Restored, sound_, silence);
    connect(&cmdStop, &QPushButton::clicked, sound_, silence);
}

// The rule at work: W for the cursor's cell, and the next generation's marks, which follow the
// board at every change and generation.
void frmDisplay::ConnectRule()
{
    connect(cursor_, &BoardCursor::ExplainRequested, rule_, &RuleAtWork::Explain);
    connect(rule_, &RuleAtWork::Said, announcer_, &Announcer::Say);
    FollowRun(rule_, [this] { rule_->Follow(); });
    connect(rule_, &RuleAtWork::MarksChanged, this, &frmDisplay::MarkNextGeneration);
    connect(menus_, &Menus::NextGenerationShown, rule_, &RuleAtWork::ShowMarks);
    connect(menus_, &Menus::NextGenerationShown, announcer_, [this](bool shown) {
        announcer_->Say(shown ? tr("Next generation shown.") : tr("Next generation hidden."));
    });
}

// The moments of the run: M runs the board to the next, Shift+M takes it back to the one
// before; each is said, and its objects outlined, where the board arrives; while the board runs,
// each moment it reaches is said.
void frmDisplay::ConnectMoments()
{
    FollowRun(tour_, [this] { tour_->Follow(timer.Interval() != 0); });
    connect(cursor_, &BoardCursor::MomentRequested, tour_, &MomentsTour::Travel);
    connect(tour_, &MomentsTour::Said, announcer_, &Announcer::Say);
    connect(tour_, &MomentsTour::Reached, sound_, &SoundPlayer::MomentReached);
    connect(tour_, &MomentsTour::RunToRequested, this, &frmDisplay::RunTo);
    connect(tour_, &MomentsTour::TravelRequested, this, [this](int step) {
        TravelTo(step, QT_TRANSLATE_NOOP("quarn::History", "Go Back to Step %1"));
    });
    // After the run's own handler: the generation that reaches the step ends the run.
    connect(&timer, &forms::IntervalTimer::Timer, this, &frmDisplay::StopAtTheStepRunTo);
    const auto forget = [this] { runTo_.reset(); };
    connect(&cmdStop, &QPushButton::clicked, this, forget);
    connect(&cmdGo, &QPushButton::clicked, this, forget);
    connect(&run_, &Run::Reset, this, forget);
    connect(&run_, &Run::Edited, this, forget);
    connect(&run_, &Run::Restored, this, forget);
    connect(tour_, &MomentsTour::Outlined, this, [this](int top, int left, int bottom, int right) {
        MarkCells(kMomentMarker, top, left, bottom, right,
                  BoardCursor::MarkerColor(picFrame.palette()));
    });
    connect(tour_, &MomentsTour::OutlineGone, &picFrame,
            [this] { picFrame.Unmark(kMomentMarker); });
    // In the graph and in the list of moments: a new way, new moments.
    connect(tour_, &MomentsTour::FoundChanged, this, [this] {
        std::vector<PopulationGraph::MomentMark> marks;
        std::vector<MomentsModel::Row> rows;
        if (const Moments* moments = tour_->Known()) {
            for (const Moment& moment : moments->list) {
                const QString line = MomentsTour::LineOf(moment);
                marks.push_back({moment.step, static_cast<int>(moment.kind), line});
                rows.push_back({moment.step, line});
            }
        }
        populationWindow_->SetMoments(std::move(marks));
        momentsWindow_->SetMoments(std::move(rows), tour_->Known() != nullptr);
        momentsWindow_->SetNow(run_.Model().Record().Last().step);
    });
    FollowRun(momentsWindow_,
              [this] { momentsWindow_->SetNow(run_.Model().Record().Last().step); });
    connect(menus_, &Menus::MomentsRequested, momentsWindow_, [this] {
        tour_->Found(); // found by the time the window shows
        momentsWindow_->OpenOrRaise();
    });
    connect(momentsWindow_, &MomentsWindow::Chosen, this, [this](int step) {
        TravelTo(step, QT_TRANSLATE_NOOP("quarn::History", "Go to Step %1"));
    });
    // In the graph, M and Shift+M go from moment to moment, and Enter takes the board to any step.
    connect(populationWindow_, &PopulationWindow::MomentRequested, this,
            [this](int from, bool backwards) {
                tour_->Found(); // marked in the graph by the time it is asked
                populationWindow_->ToMoment(from, backwards);
            });
    connect(populationWindow_, &PopulationWindow::StepRequested, this, [this](int step) {
        TravelTo(step, QT_TRANSLATE_NOOP("quarn::History", "Go to Step %1"));
    });
}

void frmDisplay::ConnectMenus()
{
    connect(menus_, &Menus::OpenRequested, transfer_, &PatternTransfer::Open);
    connect(menus_, &Menus::ExampleRequested, transfer_, &PatternTransfer::OpenExample);
    connect(menus_, &Menus::SaveRequested, transfer_, &PatternTransfer::Save);
    connect(menus_, &Menus::CopyRequested, transfer_, &PatternTransfer::Copy);
    connect(menus_, &Menus::PasteRequested, transfer_, &PatternTransfer::Paste);
    connect(menus_, &Menus::UndoRequested, history_, &History::Undo);
    connect(menus_, &Menus::RedoRequested, history_, &History::Redo);
    connect(menus_, &Menus::ObjectsRequested, objectsWindow_, &ObjectsWindow::OpenOrRaise);
    connect(menus_, &Menus::QuitRequested, this, &QWidget::close);
}

// What assistive technology is told of the board, and the toggles and the status it asks for.
void frmDisplay::ConnectAccess()
{
    connect(this, &frmDisplay::BoardDrawn, access_, &BoardAccess::BoardChanged);
    connect(this, &frmDisplay::CellToggled, access_, &BoardAccess::CellToggled);
    connect(access_, &BoardAccess::ToggleRequested, this, &frmDisplay::ToggleAndSay);
    connect(cursor_, &BoardCursor::Moved, access_, &BoardAccess::CursorMoved);
    connect(cursor_, &BoardCursor::Placed, access_, &BoardAccess::CursorPlaced);
    connect(cursor_, &BoardCursor::StatusRequested, announcer_, &Announcer::Status);
}

template <typename Receiver, typename Follow>
void frmDisplay::FollowRun(const Receiver* receiver, Follow follow)
{
    connect(&run_, &Run::Reset, receiver, follow);
    connect(&run_, &Run::Stepped, receiver, follow);
    connect(&run_, &Run::Edited, receiver, follow);
    connect(&run_, &Run::Restored, receiver, follow);
}

void frmDisplay::RunAlone(const std::function<void()>& command, const char* entry,
                          const QString& spoken)
{
    stroke_->End();
    history_->CloseRun();
    command();
    history_->Record(QString::fromLatin1(entry));
    announcer_->Filled(spoken);
}

// A press on the board: a stroke begins on the cell before the click toggles it, so that the
// click is the stroke's first cell; then the cursor follows the click.
void frmDisplay::BoardPressed(int button, int shift, float x, float y)
{
    std::int16_t row = 0;
    std::int16_t column = 0;
    HitTest(x, y, row, column);
    // The strip past the last row and column maps to the ring round the field, which the window
    // never changes.
    if (!Board::InField(row, column)) {
        return;
    }
    stroke_->Press(row, column, button);
    picFrame_MouseDown(button, shift, x, y);
    cursor_->Clicked(row, column);
}

void frmDisplay::BoardDragged(int buttons, float x, float y)
{
    std::int16_t row = 0;
    std::int16_t column = 0;
    HitTest(x, y, row, column);
    // Left of or above the area lies off the field, where rounding towards zero would put the
    // first column or row.
    stroke_->Drag(y < 0 ? 0 : row, x < 0 ? 0 : column, buttons);
}

// A toggle that the keyboard or assistive technology asked for, said once it is done.
void frmDisplay::ToggleAndSay(int row, int column)
{
    ToggleCell(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column));
    announcer_->Toggled(row, column);
}

// A marker round the cells' boxes, in the gap between them and their neighbours. The object's
// outline is two pixels wide, over the boxes' own edges too: no colour stands out at 4.5:1
// against both the black boxes and the silver gaps, so it stands out by its width.
void frmDisplay::MarkCells(Marker marker, int top, int left, int bottom, int right,
                           const QColor& color)
{
    const CellGeometry geometry = Geometry();
    const TwipsBox first =
        geometry.Box(static_cast<std::int16_t>(top), static_cast<std::int16_t>(left));
    const TwipsBox last =
        geometry.Box(static_cast<std::int16_t>(bottom), static_cast<std::int16_t>(right));
    picFrame.Mark(marker, first.x1, first.y1, last.x2, last.y2, color,
                  marker == kCursorMarker ? 1 : 2);
}

void frmDisplay::MarkNextGeneration(const Field& born, const Field& dying)
{
    const CellGeometry geometry = Geometry();
    int number = 0;
    for (std::int16_t row = 1; row <= Board::kFieldSize; ++row) {
        for (std::int16_t column = 1; column <= Board::kFieldSize; ++column) {
            const TwipsBox box = geometry.Box(row, column);
            const bool birth = born.Live(row, column);
            const bool death = dying.Live(row, column);
            picFrame.SetSign(number++, box.x1, box.y1, box.x2, box.y2,
                             birth   ? forms::PictureBox::Sign::kRing
                             : death ? forms::PictureBox::Sign::kCross
                                     : forms::PictureBox::Sign::kNone,
                             QColor::fromRgb(birth ? BoardLook::kBorn : BoardLook::kDying));
        }
    }
}

CellGeometry frmDisplay::Geometry() const
{
    return {picFrame.Width(), picFrame.Height()};
}

// --- Procedures ------------------------------------------------------------------------------

void frmDisplay::StartRecord()
{
    run_.ResetTo(Field::Of(board_), board_.StepCount());
}

void frmDisplay::ShowTrail(bool shown)
{
    trailShown_ = shown;
    DrawAll();
}

void frmDisplay::NextGeneration()
{
    board_.Step();
    run_.Step(Field::Of(board_));
    DrawAll();
}

void frmDisplay::RunTo(int step)
{
    if (step <= board_.StepCount()) {
        return;
    }
    if (timer.Interval() == 0) {
        stroke_->End();
        history_->RunStarted();
        cmdGo_Click();
    }
    runTo_ = step;
    announcer_->Say(tr("Running to step %1.").arg(step));
}

void frmDisplay::StopAtTheStepRunTo()
{
    if (!runTo_ || board_.StepCount() < *runTo_) {
        return;
    }
    runTo_.reset();
    cmdStop_Click();
    history_->CloseRun();
    if (!tour_->Arrived()) {
        announcer_->Status();
    }
}

// The board, its count and its record as they were, or will be, at the step; the way stays the
// one it was.
void frmDisplay::TravelTo(int step, const char* entry)
{
    const int start = run_.Model().Record().WayStartStep();
    if (step < start) {
        announcer_->Say(tr("Step %1 came before the board was last changed, at step %2: undo goes "
                           "back past it.")
                            .arg(step)
                            .arg(start));
        return;
    }
    if (step > MomentsTour::kLastStep) {
        announcer_->Say(tr("The count goes no further than step %1.").arg(MomentsTour::kLastStep));
        return;
    }
    stroke_->End();
    history_->CloseRun();
    timer.Interval(0);
    const RunRecord record = run_.Model().RecordAt(step);
    board_.Restore(record.Now().State(static_cast<std::int16_t>(step)));
    run_.Restore(record);
    DrawAll();
    history_->Record(entry, step);
    if (!tour_->Arrived()) {
        announcer_->Status();
    }
}

void frmDisplay::SetAll(std::int16_t value)
{
    board_.FillAll(value);
    timer.Interval(0);
    board_.ResetCount();
    StartRecord();
    DrawAll();
}

// What undo and redo show: a board and count as they were, stopped, with the record that went
// with them.
void frmDisplay::ShowState(const BoardState& state, const RunRecord& record)
{
    timer.Interval(0);
    board_.Restore(state);
    run_.Restore(record);
    DrawAll();
}

// A pattern replaces the board as a fill does: the run stops and the count starts again.
void frmDisplay::LoadCells(const std::vector<Cell>& cells)
{
    board_.FillAll(0);
    for (const Cell& cell : cells) {
        board_.ToggleCell(Narrow16(Board::FromZeroBased(cell.row), "row"),
                          Narrow16(Board::FromZeroBased(cell.column), "column"));
    }
    timer.Interval(0);
    board_.ResetCount();
    StartRecord();
    DrawAll();
}

void frmDisplay::DrawAll()
{
    for (std::int16_t row = 1; row <= Board::kFieldSize; ++row) {
        for (std::int16_t column = 1; column <= Board::kFieldSize; ++column) {
            DrawCell(row, column);
        }
    }
    lblStepCount.setText(tr("Steps: %1").arg(board_.StepCount()));
    emit BoardDrawn();
}

void frmDisplay::DrawCell(std::int16_t row, std::int16_t column)
{
    const TwipsBox box = Geometry().Box(row, column);
    const bool lived = trailShown_ && run_.Model().Record().Trail().Live(row, column);
    picFrame.FillColor(board_.CellAt(row, column) != 0 ? kLiveColor
                       : lived                         ? kTrailColor
                                                       : kDeadColor);
    picFrame.Line(box.x1, box.y1, box.x2, box.y2, kOutlineColor);
}

void frmDisplay::HitTest(float X, float Y, std::int16_t& row, std::int16_t& column) const
{
    const GridCell cell = Geometry().HitTest(X, Y);
    row = static_cast<std::int16_t>(cell.row);
    column = static_cast<std::int16_t>(cell.column);
}

// --- Event handlers --------------------------------------------------------------------------

void frmDisplay::Form_Load()
{
    board_.ResetCount();
    timer.Interval(0);
    StartRecord();
    DrawAll();
}

void frmDisplay::cmdAllOn_Click()
{
    SetAll(1);
}

void frmDisplay::cmdAllOff_Click()
{
    SetAll(0);
}

void frmDisplay::cmdRandom_Click()
{
    board_.FillRandom();
    timer.Interval(0);
    board_.ResetCount();
    StartRecord();
    DrawAll();
}

void frmDisplay::cmdOneStep_Click()
{
    NextGeneration();
}

void frmDisplay::cmdGo_Click()
{
    timer.Interval(kRunInterval);
}

void frmDisplay::cmdStop_Click()
{
    timer.Interval(0);
}

void frmDisplay::picFrame_MouseDown(int Button, int Shift, float X, float Y)
{
    static_cast<void>(Button); // any button toggles
    static_cast<void>(Shift);
    std::int16_t row = 0;
    std::int16_t column = 0;
    HitTest(X, Y, row, column);
    if (!Board::InField(row, column)) {
        return;
    }
    ToggleCell(row, column);
}

// The one way a single cell changes, whether by a click, a key or assistive technology.
void frmDisplay::ToggleCell(std::int16_t row, std::int16_t column)
{
    board_.ToggleCell(row, column);
    run_.Edit(Field::Of(board_));
    DrawCell(row, column);
    emit CellToggled(row, column);
}

void frmDisplay::timer_Timer()
{
    NextGeneration();
}

} // namespace quarn
