#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace quarn {

namespace {

// One option as the parser takes it and the help shows it.
struct Option
{
    const char* names;       // its short and long names, "h,help"
    const char* value;       // the help's name for its value, or nullptr for a switch
    const char* description; // a sentence
    bool qt;                 // Qt's own, shown only by --help-all
};

// The options Qt takes for every widget program are only let through, and named under
// --help-all; QApplication reads them from the command line itself.
constexpr Option kOptions[] = {
    {"h,help", nullptr, QT_TRANSLATE_NOOP("main", "Prints this help and exits."), false},
    {"help-all", nullptr,
     QT_TRANSLATE_NOOP("main", "Prints this help with Qt's own options too, and exits."), false},
    {"v,version", nullptr, QT_TRANSLATE_NOOP("main", "Prints the version and exits."), false},
    {"describe", nullptr,
     QT_TRANSLATE_NOOP("main", "Prints what is on the board that FILE makes, object by object, "
                               "and what becomes of it, without opening the window."),
     false},
    {"moments", nullptr,
     QT_TRANSLATE_NOOP("main", "Prints the moments of the run of the board that FILE makes, one "
                               "a line from the start to its fate, without opening the window."),
     false},
    {"export", QT_TRANSLATE_NOOP("main", "OUT"),
     QT_TRANSLATE_NOOP("main",
                       "Saves a picture of the board that FILE makes, for OUT ending in .png, "
                       "or an animation of its run, for .gif, without opening the window."),
     false},
    {"steps", QT_TRANSLATE_NOOP("main", "N"),
     QT_TRANSLATE_NOOP("main", "With --export: the generations the animation shows, 0 to 1000, "
                               "as far as the board's fate if not given; for a picture, the "
                               "generation it shows, the start if not given."),
     false},
    {"scale", QT_TRANSLATE_NOOP("main", "K"),
     QT_TRANSLATE_NOOP("main", "With --export: the picture's size, 1 to 8 times the board's "
                               "pixels; 1 if not given."),
     false},
    {"trail", nullptr,
     QT_TRANSLATE_NOOP("main", "With --export: shows where life has been since the start."), false},
    {"graph", nullptr,
     QT_TRANSLATE_NOOP("main", "With --export: puts the graph of the live cells at each step "
                               "beside the board, in a picture or an animation."),
     false},
    {"graph-only", nullptr,
     QT_TRANSLATE_NOOP("main", "With --export to a .png: the graph of the live cells at each "
                               "step alone, from the start to the board's fate."),
     false},
    {"platform", QT_TRANSLATE_NOOP("main", "name"),
     QT_TRANSLATE_NOOP("main", "The platform plugin: xcb, wayland, offscreen, ..."), true},
    {"platformpluginpath", QT_TRANSLATE_NOOP("main", "path"),
     QT_TRANSLATE_NOOP("main", "Where to look for platform plugins."), true},
    {"platformtheme", QT_TRANSLATE_NOOP("main", "name"),
     QT_TRANSLATE_NOOP("main", "The platform theme."), true},
    {"plugin", QT_TRANSLATE_NOOP("main", "plugin"),
     QT_TRANSLATE_NOOP("main", "An input plugin to load."), true},
    {"display", QT_TRANSLATE_NOOP("main", "display"),
     QT_TRANSLATE_NOOP("main", "The X display to open the window on."), true},
    {"geometry", QT_TRANSLATE_NOOP("main", "geometry"),
     QT_TRANSLATE_NOOP("main", "Where to put the window, as WxH+X+Y."), true},
    {"qwindowgeometry", QT_TRANSLATE_NOOP("main", "geometry"),
     QT_TRANSLATE_NOOP("main", "Where to put the window, as WxH+X+Y."), true},
    {"qwindowicon", QT_TRANSLATE_NOOP("main", "icon"),
     QT_TRANSLATE_NOOP("main", "The window's icon."), true},
    {"qwindowtitle", QT_TRANSLATE_NOOP("main", "title"),
     QT_TRANSLATE_NOOP("main", "The window's title."), true},
    {"reverse", nullptr, QT_TRANSLATE_NOOP("main", "Lays the widgets out right to left."), true},
    {"session", QT_TRANSLATE_NOOP("main", "session"),
     QT_TRANSLATE_NOOP("main", "The session to restore."), true},
    {"style", QT_TRANSLATE_NOOP("main", "style"),
     QT_TRANSLATE_NOOP("main", "The widget style: fusion, windows, ..."), true},
    {"stylesheet", QT_TRANSLATE_NOOP("main", "file"),
     QT_TRANSLATE_NOOP("main", "A style sheet for the widgets."), true},
    {"widgetcount", nullptr,
     QT_TRANSLATE_NOOP("main", "Reports at the end how many widgets were left."), true},
};

// The help is this wide, as a terminal is at the least.
constexpr qsizetype kHelpWidth = 79;

// A text marked for translation where it stands, found again by its English.
QString Tr(const char* text)
{
    return QCoreApplication::translate("main", text);
}

QStringList Names(const Option& option)
{
    return QString::fromLatin1(option.names).split(QLatin1Char(','));
}

// The text in lines of at most width characters, broken between words; a longer word has a
// line of its own.
QStringList Wrapped(const QString& text, qsizetype width)
{
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines << std::exchange(line, {});
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return lines << line;
}

// Laid out by the program rather than by the parser, so that every word of it is in the
// person's language and no description loses its end to the wrapping.
QString HelpText(bool withQtOptions)
{
    std::vector<std::pair<QString, QString>> entries; // what to type, and what it does
    for (const Option& option : kOptions) {
        if (option.qt && !withQtOptions) {
            continue;
        }
        QStringList typed;
        for (const QString& name : Names(option)) {
            typed << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        }
        const QString value =
            option.value != nullptr ? QStringLiteral(" <%1>").arg(Tr(option.value)) : QString();
        entries.emplace_back(typed.join(QStringLiteral(", ")) + value, Tr(option.description));
    }
    const QString file = QCoreApplication::translate("main", "FILE");
    qsizetype column = file.size();
    for (const auto& entry : entries) {
        column = std::max(column, entry.first.size());
    }
    column += 4; // two spaces before, two after
    const auto lines = [column](const QString& typed, const QString& description) {
        QString text;
        const QStringList wrapped = Wrapped(description, kHelpWidth - column);
        for (qsizetype i = 0; i < wrapped.size(); ++i) {
            text += (i == 0 ? (QStringLiteral("  ") + typed).leftJustified(column)
                            : QString(column, QLatin1Char(' '))) +
                    wrapped[i] + QLatin1Char('\n');
        }
        return text;
    };

    QString help = QCoreApplication::translate("main", "Usage: %1 [options] [%2]")
                       .arg(QCoreApplication::arguments().value(0), file);
    const QString what = QCoreApplication::translate(
        "main", "Runs the cellular automaton B3/S23 on a bounded 30 x 30 board.");
    help += QLatin1Char('\n') + Wrapped(what, kHelpWidth).join(QLatin1Char('\n'));
    help += QStringLiteral("\n\n") + QCoreApplication::translate("main", "Options:") +
            QLatin1Char('\n');
    for (const auto& [typed, description] : entries) {
        help += lines(typed, description);
    }
    help +=
        QLatin1Char('\n') + QCoreApplication::translate("main", "Arguments:") + QLatin1Char('\n');
    help +=
        lines(file, QCoreApplication::translate("main", "A pattern to open, in RLE or plaintext."));
    return help;
}

void AddOptions(QCommandLineParser& parser)
{
    // As Qt's own programs read them: "-platform" is one option, not the letters p, l, a, ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option& option : kOptions) {
        QCommandLineOption parsed(Names(option));
        if (option.value != nullptr) {
            parsed.setValueName(QString::fromLatin1(option.value));
        }
        parser.addOption(parsed);
    }
}

// The name of the file as it stood on the command line, before decoding lost any bytes that are
// not UTF-8.
QByteArray RawArgument(int argc, char* argv[], const QString& decoded)
{
    for (int i = argc - 1; i > 0; --i) {
        if (QString::fromLocal8Bit(argv[i]) == decoded) {
            return argv[i];
        }
    }
    return QFile::encodeName(decoded);
}

} // namespace

// A command line answered on the spot, with the status to exit with.
Request Answered(int status)
{
    Request request;
    request.exitStatus = status;
    return request;
}

// A whole number from least to most, or none.
std::optional<int> NumberIn(const QString& text, int least, int most)
{
    bool number = false;
    const int value = text.toInt(&number);
    if (!number || value < least || value > most) {
        return std::nullopt;
    }
    return value;
}

// What is wrong with the command line, in the person's words, or nothing.
QString Mistake(const QCommandLineParser& parser, bool parsed)
{
    const qsizetype files = parser.positionalArguments().size();
    if (!parsed) {
        return parser.errorText();
    }
    if (files > 1) {
        return QCoreApplication::translate("main", "Give one file at most.");
    }
    if (parser.isSet(QStringLiteral("describe")) && files == 0) {
        return QCoreApplication::translate("main", "Give the file to describe.");
    }
    if (parser.isSet(QStringLiteral("moments")) && files == 0) {
        return QCoreApplication::translate("main", "Give the file to tell the moments of.");
    }
    if (parser.isSet(QStringLiteral("export")) && files == 0) {
        return QCoreApplication::translate("main", "Give the file to export.");
    }
    const QStringList alone{QStringLiteral("describe"), QStringLiteral("moments"),
                            QStringLiteral("export")};
    if (std::count_if(alone.begin(), alone.end(),
                      [&parser](const QString& name) { return parser.isSet(name); }) > 1) {
        return QCoreApplication::translate(
            "main", "--describe, --moments and --export do not go together: give one of them.");
    }
    if (!parser.isSet(QStringLiteral("export")) &&
        (parser.isSet(QStringLiteral("steps")) || parser.isSet(QStringLiteral("scale")) ||
         parser.isSet(QStringLiteral("trail")) || parser.isSet(QStringLiteral("graph")) ||
         parser.isSet(QStringLiteral("graph-only")))) {
        return QCoreApplication::translate(
            "main", "--steps, --scale, --trail, --graph and --graph-only go with --export.");
    }
    if (parser.isSet(QStringLiteral("graph")) && parser.isSet(QStringLiteral("graph-only"))) {
        return QCoreApplication::translate(
            "main", "--graph and --graph-only do not go together: give one of them.");
    }
    if (parser.isSet(QStringLiteral("graph-only")) &&
        !parser.value(QStringLiteral("export"))
             .endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        return QCoreApplication::translate("main",
                                           "--graph-only makes a picture: give a name ending in "
                                           ".png.");
    }
    if (parser.isSet(QStringLiteral("steps")) &&
        !NumberIn(parser.value(QStringLiteral("steps")), 0, 1000)) {
        return QCoreApplication::translate("main", "--steps takes a number from 0 to 1000.");
    }
    if (parser.isSet(QStringLiteral("scale")) &&
        !NumberIn(parser.value(QStringLiteral("scale")), 1, 8)) {
        return QCoreApplication::translate("main", "--scale takes a number from 1 to 8.");
    }
    return {};
}

Request ParseCommandLine(int argc, char* argv[])
{
    QCommandLineParser parser;
    AddOptions(parser);
    const bool parsed = parser.parse(QCoreApplication::arguments());
    const bool describe = parser.isSet(QStringLiteral("describe"));
    if (const QString error = Mistake(parser, parsed); !error.isEmpty()) {
        std::fprintf(stderr, "game-of-quarn: %s\n\n%s", qPrintable(error),
                     qPrintable(HelpText(false)));
        return Answered(1);
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(HelpText(parser.isSet(QStringLiteral("help-all")))), stdout);
        return Answered(0);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("game-of-quarn %s\n", QUARN_VERSION);
        return Answered(0);
    }
    const QStringList named = parser.positionalArguments();
    Request request;
    request.file = named.isEmpty() ? QByteArray() : RawArgument(argc, argv, named.front());
    request.describe = describe;
    request.moments = parser.isSet(QStringLiteral("moments"));
    request.platformChosen =
        parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display"));
    request.exportTo = parser.value(QStringLiteral("export"));
    if (parser.isSet(QStringLiteral("steps"))) {
        request.steps = NumberIn(parser.value(QStringLiteral("steps")), 0, 1000);
    }
    request.scale = NumberIn(parser.value(QStringLiteral("scale")), 1, 8).value_or(1);
    request.trail = parser.isSet(QStringLiteral("trail"));
    request.graph = parser.isSet(QStringLiteral("graph"));
    request.graphOnly = parser.isSet(QStringLiteral("graph-only"));
    return request;
}

} // namespace quarn
