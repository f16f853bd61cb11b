#pragma once

#include "census/run_model.h"
#include "features/pictures/run_animation.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QWidget;

namespace quarn {

class PatternTransfer;

// File ▸ Export Picture and File ▸ Export Animation: the board as it is now as a PNG, and the run
// from it as an animated GIF, each at 1x to 8x, with the trail where it is shown; either with the
// population graph beside the board, and the picture of the graph alone too. Saved as Save
// As saves, whole or not at all, where Save As suggests; a long animation shows its progress and
// can be cancelled, which leaves no file. The board in the window does not change.
class PictureExport : public QObject
{
    Q_OBJECT

public:
    PictureExport(QWidget& window, const RunModel& run, const PatternTransfer& transfer);

    void ShowTrail(bool shown);
    void ExportPicture();
    void ExportAnimation();

signals:
    // What a finished export did, in words for a screen reader.
    void Said(const QString& words);

private:
    QString Suggested(const QString& extension) const;
    // Saves the bytes and says so in the words given, %1 the file's name; or warns why not.
    void Save(const QString& path, const QByteArray& bytes, const QString& saved);

    QWidget& window_;
    const RunModel& run_;
    const PatternTransfer& transfer_;
    bool trail_ = false;
};

} // namespace quarn
