#include "features/pictures/picture_export.h"

#include "features/files/pattern_transfer.h"
#include "features/files/whole_file.h"
#include "features/pictures/export_dialog.h"
#include "features/pictures/run_animation.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QWidget>

#include <cstdio>

namespace quarn {

namespace {

// An animation's progress shows once it has taken this long, and moves at most this often.
constexpr int kProgressAfterMs = 300;
constexpr int kProgressEveryMs = 250;
// What a title bar takes beside its title, in logical pixels: the icon and three buttons.
constexpr int kTitleBarButtons = 120;

} // namespace

PictureExport::PictureExport(QWidget& window, const RunModel& run, const PatternTransfer& transfer)
    : QObject(&window),
      window_(window),
      run_(run),
      transfer_(transfer)
{}

void PictureExport::ShowTrail(bool shown)
{
    trail_ = shown;
}

// The board as it was when asked, whatever a run does behind the dialog.
void PictureExport::ExportPicture()
{
    const RunRecord& record = run_.Record();
    const Field cells = record.Now();
    const Field trail = trail_ ? record.Trail() : Field{};
    const run_animation::Graph graph = run_animation::GraphOf(run_);
    ExportDialog dialog(window_, tr("Export Picture"), Suggested(QStringLiteral("png")),
                        QStringLiteral("png"), -1);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const ExportDialog::Content shown = dialog.Shown();
    Save(dialog.Path(),
         shown == ExportDialog::Content::kGraph
             ? run_animation::GraphPng(graph, dialog.Scale())
             : run_animation::Picture(cells, trail, dialog.Scale(),
                                      shown == ExportDialog::Content::kBoardAndGraph ? &graph
                                                                                     : nullptr),
         tr("Saved %1."));
}

void PictureExport::ExportAnimation()
{
    const RunRecord& record = run_.Record();
    const Field cells = record.Now();
    const Field trail = record.Trail();
    const bool withTrail = trail_;
    const int suggested = run_animation::DefaultGenerations(run_.Foreseen(), record.Last().step);
    // The steps past beside the board; those ahead are the animation's own.
    const run_animation::Graph graph = run_animation::GraphOf(run_);
    ExportDialog dialog(window_, tr("Export Animation"), Suggested(QStringLiteral("gif")),
                        QStringLiteral("gif"), suggested);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QProgressDialog progress(tr("Making the animation…"), tr("Cancel"), 0, dialog.Generations() + 1,
                             &window_);
    progress.setWindowTitle(tr("Export Animation"));
    // Wide enough for the whole title beside the title bar's buttons, which a window manager
    // would otherwise shorten to "Expor…mation".
    const int title = progress.fontMetrics().horizontalAdvance(progress.windowTitle());
    progress.setMinimumWidth(title * 3 / 2 + kTitleBarButtons);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressAfterMs);
    // A screen reader hears every change of the bar's value: a few a second, not one a frame.
    QElapsedTimer shown;
    shown.start();
    const bool withGraph = dialog.Shown() == ExportDialog::Content::kBoardAndGraph;
    const QByteArray bytes = run_animation::Animation(
        cells, withTrail ? &trail : nullptr, dialog.Generations(), dialog.Scale(),
        [&progress, &shown](int made) {
            if (shown.elapsed() >= kProgressEveryMs) {
                progress.setValue(made);
                shown.restart();
            } else {
                QCoreApplication::processEvents();
            }
            return !progress.wasCanceled();
        },
        withGraph ? &graph : nullptr);
    const bool cancelled = progress.wasCanceled();
    progress.reset();
    if (!cancelled) {
        Save(dialog.Path(), bytes, tr("Saved %1: %n pictures.", nullptr, dialog.Generations() + 1));
    }
}

QString PictureExport::Suggested(const QString& extension) const
{
    const QString name = transfer_.SuggestedName();
    return QDir(transfer_.SuggestedFolder())
        .filePath((name.isEmpty() ? tr("board") : name) + QLatin1Char('.') + extension);
}

void PictureExport::Save(const QString& path, const QByteArray& bytes, const QString& saved)
{
    const QString why =
        bytes.isEmpty() ? tr("The picture could not be made.") : WriteWholeFile(path, bytes);
    if (why.isEmpty()) {
        emit Said(saved.arg(QFileInfo(path).fileName()));
        return;
    }
    const QString what = tr("Could not export “%1”.").arg(QFileInfo(path).fileName());
    std::fprintf(stderr, "game-of-quarn: %s %s\n", qPrintable(what), qPrintable(why));
    QMessageBox box(QMessageBox::Warning, tr("Game of Quarn"), what, QMessageBox::Ok, &window_);
    box.setInformativeText(why);
    box.exec();
}

} // namespace quarn
