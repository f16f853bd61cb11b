#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QSpinBox>

namespace quarn {

// Where to put a picture or an animation of the board and how large: a file, suggested where
// Save As suggests one; a size of 1x to 8x the board's pixels; and for an animation, how many
// generations; and what it shows: the board, the board with its population graph beside it, or
// for a picture the graph alone. A bare name takes the file type's extension, and a file that is
// there already is replaced only once the person says so.
class ExportDialog : public QDialog
{
    Q_OBJECT

public:
    // The extension without its dot; generations below 0 for a picture, which has none.
    ExportDialog(QWidget& owner, const QString& title, const QString& suggested,
                 const QString& extension, int generations);

    enum class Content
    {
        kBoard,
        kBoardAndGraph,
        kGraph,
    };

    QString Path() const;
    int Scale() const;
    int Generations() const;
    Content Shown() const;

    void accept() override;

private:
    void Browse();

    QString extension_;
    QLineEdit path_;
    QSpinBox scale_;
    QSpinBox generations_;
    QComboBox content_;
};

} // namespace quarn
