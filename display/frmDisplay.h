#pragma once

#include "board/board.h"
#include "display/forms/form.h"
#include "display/forms/interval_timer.h"
#include "display/forms/picture_box.h"
#include "geometry/cell_geometry.h"
#include "pattern/pattern.h"
#include "run/run.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace quarn {

class Announcer;
class BoardAccess;
class BoardCursor;
class BoardObjects;
class BoardStroke;
class ButtonKeys;
class History;
class Menus;
class MomentsTour;
class MomentsWindow;
class ObjectsWindow;
class PatternTransfer;
class PictureExport;
class PopulationWindow;
class RuleAtWork;
class SoundPlayer;

// The program's one window: the board on the left, the commands and the generation count in a
// column on the right. It owns the board for as long as it exists; everything shown is drawn
// from the board. It makes the program's features and connects them, and is the one writer of
// the board: whatever a feature asks for ends in one of the procedures below.
class frmDisplay : public forms::Form
{
    Q_OBJECT

public:
    explicit frmDisplay(QWidget* parent = nullptr);
    ~frmDisplay() override;
    frmDisplay(const frmDisplay&) = delete;
    frmDisplay& operator=(const frmDisplay&) = delete;
    frmDisplay(frmDisplay&&) = delete;
    frmDisplay& operator=(frmDisplay&&) = delete;

    const Board& board() const;
    // What the board has gone through since the last reset, its fate and its population.
    const RunModel& run() const;

    // Loads the pattern in the file, as a fill would; see PatternTransfer::OpenFile.
    void OpenPattern(const QByteArray& path);

signals:
    // What the window tells its features: the whole board has been drawn, one cell has toggled,
    // a file is to be opened. What happened to the run, the run tells.
    void BoardDrawn();
    void CellToggled(int row, int column);
    void PatternFileGiven(const QByteArray& path);

private:
    // The markers over the board, each round one box at most.
    enum Marker
    {
        kCursorMarker,
        kObjectMarker,
        kMomentMarker,
    };

    void LayOut();
    void CreateFeatures();
    template <typename Feature, typename... Args> Feature* Make(Args&&... args);

    // The connections, one concern each; ConnectHandlers calls them all.
    void ConnectHandlers();
    void ConnectCommands();
    void ConnectMouse();
    void ConnectEditing();
    void ConnectHistory();
    void ConnectFiles();
    void ConnectObjects();
    void ConnectPopulation();
    void ConnectPictures();
    void ConnectSound();
    void ConnectRule();
    void ConnectMoments();
    void ConnectMenus();
    void ConnectAccess();

    // A command that stands alone, a fill or a pattern load: it ends any stroke and any run
    // first, so that neither takes it in, leaves an entry of its own in the history, and says
    // once what it left on the board.
    void RunAlone(const std::function<void()>& command, const char* entry, const QString& spoken);

    void BoardPressed(int button, int shift, float x, float y);
    void BoardDragged(int buttons, float x, float y);
    void ToggleAndSay(int row, int column);
    // A marker round the boxes of the cells from (top, left) to (bottom, right).
    void MarkCells(Marker marker, int top, int left, int bottom, int right, const QColor& color);
    // The next generation's marks within the cells' boxes: a ring where a cell is born, a cross
    // where one dies.
    void MarkNextGeneration(const Field& born, const Field& dying);
    // The cells' size and places, worked out afresh from the picture area's size at every use.
    CellGeometry Geometry() const;

    // The run follows every change of the board: a reset starts it anew.
    void StartRecord();
    // Connects what happened to the run, whatever it was, to the receiver's follow.
    template <typename Receiver, typename Follow>
    void FollowRun(const Receiver* receiver, Follow follow);

    // View ▸ Trail: the cells that have lived since the last reset, dead now, in a colour of
    // their own; off, the board as it always is.
    void ShowTrail(bool shown);

    void NextGeneration();
    // The travels through the way the board is on: a run that stops at a step ahead, as Go runs,
    // or the board taken at once to any step of the way, with the record that goes with it.
    // Either is one entry in the history.
    void RunTo(int step);
    void StopAtTheStepRunTo();
    void TravelTo(int step, const char* entry);
    void SetAll(std::int16_t value);
    void LoadCells(const std::vector<Cell>& cells);
    void ShowState(const BoardState& state, const RunRecord& record);
    void DrawAll();
    void DrawCell(std::int16_t row, std::int16_t column);
    void ToggleCell(std::int16_t row, std::int16_t column);
    void HitTest(float X, float Y, std::int16_t& row, std::int16_t& column) const;

    void Form_Load();
    void cmdAllOn_Click();
    void cmdAllOff_Click();
    void cmdRandom_Click();
    void cmdOneStep_Click();
    void cmdGo_Click();
    void cmdStop_Click();
    void picFrame_MouseDown(int Button, int Shift, float X, float Y);
    void timer_Timer();

    Board board_;
    // What the board went through and what becomes of it, worked out once for every feature.
    Run run_;
    bool trailShown_ = false;
    std::optional<int> runTo_; // the step a run stops at, where one was asked for

    QMenuBar menuBar_;
    forms::PictureBox picFrame;
    QPushButton cmdAllOn;
    QPushButton cmdAllOff;
    QPushButton cmdRandom;
    QPushButton cmdOneStep;
    QPushButton cmdGo;
    QPushButton cmdStop;
    QLabel lblStepCount;
    forms::IntervalTimer timer;

    // The program's own features, made by CreateFeatures, each owned by the object it serves,
    // and each told what it needs by the connections and answering by its signals.
    Menus* menus_ = nullptr;
    PatternTransfer* transfer_ = nullptr;
    BoardCursor* cursor_ = nullptr;
    BoardAccess* access_ = nullptr;
    ButtonKeys* buttonKeys_ = nullptr;
    BoardStroke* stroke_ = nullptr;
    History* history_ = nullptr;
    Announcer* announcer_ = nullptr;
    BoardObjects* objects_ = nullptr;
    ObjectsWindow* objectsWindow_ = nullptr;
    PopulationWindow* populationWindow_ = nullptr;
    PictureExport* pictures_ = nullptr;
    SoundPlayer* sound_ = nullptr;
    RuleAtWork* rule_ = nullptr;
    MomentsTour* tour_ = nullptr;
    MomentsWindow* momentsWindow_ = nullptr;
    std::vector<QObject*> made_; // every feature, in the order made
};

} // namespace quarn
