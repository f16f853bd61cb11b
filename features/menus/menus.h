#pragma once

#include "features/keys/key_table.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace quarn {

// The window's menu bar: File, Edit, View and Help, with the keys shown beside each entry.
// Each key is its entry's shortcut, so a command that is not available is greyed out in the
// menu and does nothing from the keyboard. The entries speak by signals; what undo and redo
// would do is told to the menus, which name their entries after it ("Undo Random").
class Menus : public QObject
{
    Q_OBJECT

public:
    // Fills the window's bar; the examples are offered by these names.
    // The examples by the names they are opened by, and the titles a person reads.
    using Example = std::pair<QString, QString>;
    // The Keys and Mouse page shows the keys of the widgets given, after the mouse's.
    Menus(QMenuBar& bar, QWidget& window, const std::vector<Example>& examples,
          std::vector<const KeyTable*> widgetKeys);

    void ShowUndo(bool available, const QString& action);
    void ShowRedo(bool available, const QString& action);

signals:
    void OpenRequested();
    // The name of the example chosen.
    void ExampleRequested(const QString& name);
    void SaveRequested();
    void ExportPictureRequested();
    void ExportAnimationRequested();
    void QuitRequested();
    void UndoRequested();
    void RedoRequested();
    void CopyRequested();
    void PasteRequested();
    void ObjectsRequested();
    void PopulationRequested();
    void MomentsRequested();
    // View ▸ Trail, View ▸ Next Generation and View ▸ Sound While Running, on or off.
    void TrailShown(bool shown);
    void NextGenerationShown(bool shown);
    void SoundWhileRunning(bool on);

private:
    QAction* AddEntry(QMenu& menu, const QString& text, const QList<QKeySequence>& keys,
                      void (Menus::*signal)()) const;
    void AddSwitch(QMenu& menu, const QString& text, const QList<QKeySequence>& keys,
                   void (Menus::*signal)(bool)) const;
    void AddExamples(QMenu& menu, const std::vector<Example>& examples);
    void FollowClipboard();
    void OpenFirstMenu();
    void ShowKeys();
    void ShowPage(const QString& title, const QString& html);
    void ShowAbout();

    QMenuBar& bar_;
    QWidget& window_;
    std::vector<const KeyTable*> widgetKeys_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* paste_ = nullptr;
};

} // namespace quarn
