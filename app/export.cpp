#include "app/export.h"

#include "board/board.h"
#include "census/fate.h"
#include "census/field.h"
#include "census/run_model.h"
#include "features/files/pattern_file.h"
#include "features/files/whole_file.h"
#include "features/pictures/run_animation.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace quarn {

namespace {

int Refuse(const QString& what, const QString& why)
{
    std::fprintf(stderr, "game-of-quarn: %s %s\n", qPrintable(what), qPrintable(why));
    return 1;
}

Field FieldOf(const std::vector<Cell>& cells)
{
    Field field;
    for (const Cell& cell : cells) {
        field.Set(Board::FromZeroBased(cell.row), Board::FromZeroBased(cell.column));
    }
    return field;
}

// The run from the board as a load leaves it, so many generations on.
void RunOn(RunModel& run, const Field& start, int generations)
{
    run.Reset(start, 0);
    Field field = start;
    for (int step = 0; step < generations; ++step) {
        field = field.Next();
        run.Stepped(field);
    }
}

// The board after so many generations, with where life has been on the way; with its graph, or
// the graph alone.
QByteArray PictureAfter(const Field& start, int generations, const Request& request)
{
    RunModel run;
    RunOn(run, start, generations);
    if (request.graphOnly) {
        return run_animation::GraphPng(run_animation::GraphOf(run), request.scale);
    }
    const run_animation::Graph graph =
        request.graph ? run_animation::GraphOf(run) : run_animation::Graph{};
    return run_animation::Picture(run.Record().Now(),
                                  request.trail ? run.Record().Trail() : Field{}, request.scale,
                                  request.graph ? &graph : nullptr);
}

// The board as a load leaves it, at step 0, saved as the request asks: the trail of a board at
// its start is the board itself, and grows as the animation runs. A picture shows the board at
// the step asked, the start if none.
int Save(const Request& request, const std::vector<Cell>& cells)
{
    const Field field = FieldOf(cells);
    const bool animation = QFileInfo(request.exportTo).suffix().toLower() == QStringLiteral("gif");
    RunModel start;
    RunOn(start, field, 0);
    const run_animation::Graph graph =
        request.graph && animation ? run_animation::GraphOf(start) : run_animation::Graph{};
    const QByteArray bytes =
        animation
            ? run_animation::Animation(
                  field, request.trail ? &field : nullptr,
                  request.steps.value_or(run_animation::DefaultGenerations(FateOf(field, 0), 0)),
                  request.scale, {}, request.graph ? &graph : nullptr)
            : PictureAfter(field, request.steps.value_or(0), request);
    const QString why = bytes.isEmpty()
                            ? QCoreApplication::translate("main", "The picture could not be made.")
                            : WriteWholeFile(request.exportTo, bytes);
    if (!why.isEmpty()) {
        return Refuse(
            QCoreApplication::translate("main", "Could not export “%1”.").arg(request.exportTo),
            why);
    }
    return 0;
}

} // namespace

int ExportFile(const Request& request)
{
    const QString type = QFileInfo(request.exportTo).suffix().toLower();
    if (type != QStringLiteral("png") && type != QStringLiteral("gif")) {
        return Refuse(
            QCoreApplication::translate("main", "Could not export “%1”.").arg(request.exportTo),
            QCoreApplication::translate(
                "main", "A picture is saved as .png and an animation as .gif: give a "
                        "name that ends in one of them."));
    }
    // Read first and written after: a picture in place of the pattern would lose it.
    if (SameFile(QFile::encodeName(request.exportTo), request.file)) {
        return Refuse(
            QCoreApplication::translate("main", "Could not export “%1”.").arg(request.exportTo),
            QCoreApplication::translate(
                "main", "It is the pattern file itself: give another name for the picture."));
    }
    PatternFile pattern;
    QObject::connect(&pattern, &PatternFile::Placed, [&request](const std::vector<Cell>& cells) {
        QCoreApplication::exit(Save(request, cells));
    });
    QObject::connect(&pattern, &PatternFile::Refused, [](const QString& what, const QString& why) {
        QCoreApplication::exit(Refuse(what, why));
    });
    // Once the loop runs, so that a file read at once can end it.
    QMetaObject::invokeMethod(
        &pattern, [&pattern, &request] { pattern.Open(request.file); }, Qt::QueuedConnection);
    return QCoreApplication::exec();
}

} // namespace quarn
