#include "app/describe.h"

#include "board/board.h"
#include "census/census.h"
#include "census/description.h"
#include "census/fate.h"
#include "census/moments.h"
#include "features/files/pattern_file.h"
#include "translations/translations.h"

#include <QCoreApplication>

#include <cstdio>

namespace quarn {

namespace {

void Print(const Message& message)
{
    std::printf("%s\n", qPrintable(Translated(message, "Census")));
}

// The board as a load leaves it: the cells placed on an empty field, the count at 0.
Board Loaded(const std::vector<Cell>& cells)
{
    Board board;
    for (const Cell& cell : cells) {
        board.ToggleCell(static_cast<std::int16_t>(Board::FromZeroBased(cell.row)),
                         static_cast<std::int16_t>(Board::FromZeroBased(cell.column)));
    }
    return board;
}

void Describe(const std::vector<Cell>& cells)
{
    const Board board = Loaded(cells);
    const Description description = DescriptionOf(CensusOf(board), FateOf(board), 0);
    Print(description.summary);
    for (const Message& line : description.lines) {
        Print(line);
    }
    if (description.fate) {
        Print(*description.fate);
    }
}

void TellMoments(const std::vector<Cell>& cells)
{
    const Field start = Field::Of(Loaded(cells));
    for (const Moment& moment : MomentsOf(start, 0, FateOf(start, 0)).list) {
        Print(moment.Line());
    }
}

// Opens the file as Open does and answers with what it places, or refuses it in Open's words.
int Answer(const QByteArray& file, void (*answer)(const std::vector<Cell>&))
{
    PatternFile pattern;
    QObject::connect(&pattern, &PatternFile::Placed, [answer](const std::vector<Cell>& cells) {
        answer(cells);
        QCoreApplication::exit(0);
    });
    QObject::connect(&pattern, &PatternFile::Refused, [](const QString& what, const QString& why) {
        std::fprintf(stderr, "game-of-quarn: %s %s\n", qPrintable(what), qPrintable(why));
        QCoreApplication::exit(1);
    });
    // Once the loop runs, so that a file read at once can end it.
    QMetaObject::invokeMethod(
        &pattern, [&pattern, &file] { pattern.Open(file); }, Qt::QueuedConnection);
    return QCoreApplication::exec();
}

} // namespace

int PrintDescription(const QByteArray& file)
{
    return Answer(file, Describe);
}

int PrintMoments(const QByteArray& file)
{
    return Answer(file, TellMoments);
}

} // namespace quarn
