#include "features/files/pattern_file.h"

#include "board/board.h"
#include "pattern/pattern_error.h"
#include "pattern/pattern_reader.h"
#include "pattern/placement.h"
#include "translations/translations.h"

#include <QFile>
#include <QFileInfo>

#include <string_view>

namespace quarn {

namespace {

QString Described(const PatternError& error)
{
    QString message = Translated(error.What(), "Pattern");
    if (error.Line() == 0) {
        return message;
    }
    return PatternFile::tr("Line %1, column %2: %3")
        .arg(error.Line())
        .arg(error.Column())
        .arg(message);
}

} // namespace

PatternFile::PatternFile(QObject* parent)
    : QObject(parent)
{
    connect(&reader_, &PatternFileReader::Read, this, [this](const QByteArray& text) {
        std::vector<Cell> cells;
        QString what;
        QString why;
        if (PlaceText(text, tr("“%1”").arg(name_), cells, what, why)) {
            emit Placed(cells);
        } else {
            emit Refused(what, why);
        }
    });
    connect(&reader_, &PatternFileReader::Failed, this, [this](const QString& why) {
        emit Refused(tr("Could not open “%1”.").arg(given_), why);
    });
}

void PatternFile::Open(const QByteArray& path)
{
    given_ = QFile::decodeName(path);
    name_ = QFileInfo(given_).fileName();
    reader_.Start(path);
}

QString PatternFile::Name() const
{
    return name_;
}

bool PlaceText(const QByteArray& text, const QString& source, std::vector<Cell>& cells,
               QString& what, QString& why)
{
    try {
        const Pattern pattern =
            ReadPattern(std::string_view(text.data(), static_cast<std::size_t>(text.size())));
        cells = PlacePattern(pattern, Board::kFieldSize, Board::kFieldSize);
        return true;
    } catch (const PatternError& error) {
        what = PatternFile::tr("%1 is not a pattern the board can take.").arg(source);
        why = Described(error);
        return false;
    }
}

} // namespace quarn
