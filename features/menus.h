#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The window's menu bar: File, Edit and Help, with the standard keys shown beside each entry.
// Each key is its entry's shortcut, so a command that is not available is greyed out in the
// menu and does nothing from the keyboard. The entries speak by signals; what undo and redo
// would do is told to the menus, which name their entries after it ("Undo Random").
class Menus : public QObject
{
    Q_OBJECT

public:
    explicit Menus(QWidget& window);

    QMenuBar& Bar() const;

    void ShowUndo(bool available, const QString& action);
    void ShowRedo(bool available, const QString& action);

signals:
    void OpenRequested();
    // The resource path of the example chosen.
    void ExampleRequested(const QString& path);
    void SaveRequested();
    void QuitRequested();
    void UndoRequested();
    void RedoRequested();
    void CopyRequested();
    void PasteRequested();

private:
    QAction* AddEntry(QMenu& menu, const QString& text, const QList<QKeySequence>& keys,
                      void (Menus::*signal)()) const;
    void AddExamples(QMenu& menu);
    void FollowClipboard();
    void OpenFirstMenu();
    void ShowKeys();
    void ShowAbout();

    QWidget& window_;
    QMenuBar* bar_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* paste_ = nullptr;
};
