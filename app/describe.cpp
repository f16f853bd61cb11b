#include "app/describe.h"

#include "board/board.h"
#include "census/census.h"
#include "census/description.h"
#include "census/fate.h"
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
void Report(const std::vector<Cell>& cells)
{
    Board board;
    for (const Cell& cell : cells) {
        board.ToggleCell(static_cast<std::int16_t>(Board::FromZeroBased(cell.row)),
                         static_cast<std::int16_t>(Board::FromZeroBased(cell.column)));
    }
    const Description description = DescriptionOf(CensusOf(board), FateOf(board), 0);
    Print(description.summary);
    for (const Message& line : description.lines) {
        Print(line);
    }
    if (description.fate) {
        Print(*description.fate);
    }
}

} // namespace

int PrintDescription(const QByteArray& file)
{
    PatternFile pattern;
    QObject::connect(&pattern, &PatternFile::Placed, [](const std::vector<Cell>& cells) {
        Report(cells);
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

} // namespace quarn
