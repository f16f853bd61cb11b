#include "census/known_objects.h"

#include "pattern/message.h"
#include "pattern/plaintext_reader.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

namespace quarn {

namespace {

// The field's names, with a phase of each; the periods and the headings are worked out by
// running them.
std::vector<KnownObject> Objects()
{
    const auto known = [](const char* name, const char* one, const char* the, const char* many,
                          const char* rows) { return KnownObject{name, one, many, rows, 0, the}; };
    return {
        // Still lifes.
        known(QUARN_TRANSLATE_NOOP("Census", "Block"), QUARN_TRANSLATE_NOOP("Census", "a block"),
              QUARN_TRANSLATE_NOOP("Census", "the block"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n blocks"), "OO/OO"),
        known(QUARN_TRANSLATE_NOOP("Census", "Beehive"),
              QUARN_TRANSLATE_NOOP("Census", "a beehive"),
              QUARN_TRANSLATE_NOOP("Census", "the beehive"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n beehives"), ".OO./O..O/.OO."),
        known(QUARN_TRANSLATE_NOOP("Census", "Loaf"), QUARN_TRANSLATE_NOOP("Census", "a loaf"),
              QUARN_TRANSLATE_NOOP("Census", "the loaf"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n loaves"), ".OO./O..O/.O.O/..O."),
        known(QUARN_TRANSLATE_NOOP("Census", "Boat"), QUARN_TRANSLATE_NOOP("Census", "a boat"),
              QUARN_TRANSLATE_NOOP("Census", "the boat"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n boats"), "OO./O.O/.O."),
        known(QUARN_TRANSLATE_NOOP("Census", "Ship"), QUARN_TRANSLATE_NOOP("Census", "a ship"),
              QUARN_TRANSLATE_NOOP("Census", "the ship"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n ships"), "OO./O.O/.OO"),
        known(QUARN_TRANSLATE_NOOP("Census", "Tub"), QUARN_TRANSLATE_NOOP("Census", "a tub"),
              QUARN_TRANSLATE_NOOP("Census", "the tub"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n tubs"), ".O./O.O/.O."),
        known(QUARN_TRANSLATE_NOOP("Census", "Pond"), QUARN_TRANSLATE_NOOP("Census", "a pond"),
              QUARN_TRANSLATE_NOOP("Census", "the pond"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n ponds"), ".OO./O..O/O..O/.OO."),
        known(QUARN_TRANSLATE_NOOP("Census", "Barge"), QUARN_TRANSLATE_NOOP("Census", "a barge"),
              QUARN_TRANSLATE_NOOP("Census", "the barge"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n barges"), ".O../O.O./.O.O/..O."),
        known(QUARN_TRANSLATE_NOOP("Census", "Long boat"),
              QUARN_TRANSLATE_NOOP("Census", "a long boat"),
              QUARN_TRANSLATE_NOOP("Census", "the long boat"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n long boats"), "OO../O.O./.O.O/..O."),
        known(QUARN_TRANSLATE_NOOP("Census", "Snake"), QUARN_TRANSLATE_NOOP("Census", "a snake"),
              QUARN_TRANSLATE_NOOP("Census", "the snake"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n snakes"), "OO.O/O.OO"),
        known(QUARN_TRANSLATE_NOOP("Census", "Aircraft carrier"),
              QUARN_TRANSLATE_NOOP("Census", "an aircraft carrier"),
              QUARN_TRANSLATE_NOOP("Census", "the aircraft carrier"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n aircraft carriers"), "OO../O..O/..OO"),
        // Common in what random boards leave behind.
        known(QUARN_TRANSLATE_NOOP("Census", "Fishhook"),
              QUARN_TRANSLATE_NOOP("Census", "a fishhook"),
              QUARN_TRANSLATE_NOOP("Census", "the fishhook"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n fishhooks"), "OO../O.O./..O./..OO"),
        known(QUARN_TRANSLATE_NOOP("Census", "Long barge"),
              QUARN_TRANSLATE_NOOP("Census", "a long barge"),
              QUARN_TRANSLATE_NOOP("Census", "the long barge"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n long barges"), ".O.../O.O../.O.O./..O.O/...O."),
        // Oscillators.
        known(QUARN_TRANSLATE_NOOP("Census", "Blinker"),
              QUARN_TRANSLATE_NOOP("Census", "a blinker"),
              QUARN_TRANSLATE_NOOP("Census", "the blinker"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n blinkers"), "OOO"),
        known(QUARN_TRANSLATE_NOOP("Census", "Toad"), QUARN_TRANSLATE_NOOP("Census", "a toad"),
              QUARN_TRANSLATE_NOOP("Census", "the toad"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n toads"), ".OOO/OOO."),
        known(QUARN_TRANSLATE_NOOP("Census", "Beacon"), QUARN_TRANSLATE_NOOP("Census", "a beacon"),
              QUARN_TRANSLATE_NOOP("Census", "the beacon"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n beacons"), "OO../OO../..OO/..OO"),
        known(QUARN_TRANSLATE_NOOP("Census", "Clock"), QUARN_TRANSLATE_NOOP("Census", "a clock"),
              QUARN_TRANSLATE_NOOP("Census", "the clock"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n clocks"), "..O./O.O./.O.O/.O.."),
        known(QUARN_TRANSLATE_NOOP("Census", "Pulsar"), QUARN_TRANSLATE_NOOP("Census", "a pulsar"),
              QUARN_TRANSLATE_NOOP("Census", "the pulsar"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n pulsars"),
              "..OOO...OOO../............./O....O.O....O/O....O.O....O/O....O.O....O/"
              "..OOO...OOO../............./..OOO...OOO../O....O.O....O/O....O.O....O/"
              "O....O.O....O/............./..OOO...OOO.."),
        known(QUARN_TRANSLATE_NOOP("Census", "Pentadecathlon"),
              QUARN_TRANSLATE_NOOP("Census", "a pentadecathlon"),
              QUARN_TRANSLATE_NOOP("Census", "the pentadecathlon"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n pentadecathlons"),
              "..O....O../OO.OOOO.OO/..O....O.."),
        known(QUARN_TRANSLATE_NOOP("Census", "Figure eight"),
              QUARN_TRANSLATE_NOOP("Census", "a figure eight"),
              QUARN_TRANSLATE_NOOP("Census", "the figure eight"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n figure eights"),
              "OOO.../OOO.../OOO.../...OOO/...OOO/...OOO"),
        // Ships.
        known(QUARN_TRANSLATE_NOOP("Census", "Glider"), QUARN_TRANSLATE_NOOP("Census", "a glider"),
              QUARN_TRANSLATE_NOOP("Census", "the glider"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n gliders"), ".O./..O/OOO"),
        known(QUARN_TRANSLATE_NOOP("Census", "Lightweight ship"),
              QUARN_TRANSLATE_NOOP("Census", "a lightweight ship"),
              QUARN_TRANSLATE_NOOP("Census", "the lightweight ship"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n lightweight ships"), ".O..O/O..../O...O/OOOO."),
        known(QUARN_TRANSLATE_NOOP("Census", "Middleweight ship"),
              QUARN_TRANSLATE_NOOP("Census", "a middleweight ship"),
              QUARN_TRANSLATE_NOOP("Census", "the middleweight ship"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n middleweight ships"),
              "...O../.O...O/O...../O....O/OOOOO."),
        known(QUARN_TRANSLATE_NOOP("Census", "Heavyweight ship"),
              QUARN_TRANSLATE_NOOP("Census", "a heavyweight ship"),
              QUARN_TRANSLATE_NOOP("Census", "the heavyweight ship"),
              QUARN_TRANSLATE_N_NOOP("Census", "%n heavyweight ships"),
              "...OO../.O....O/O....../O.....O/OOOOOO."),
    };
}

// The longest period looked for; every object above repeats well within it.
constexpr int kLongestPeriod = 60;

// One phase of an object, read as the plaintext format reads it, a row to each '/'.
Pattern SeedOf(const char* rows)
{
    std::string text(rows);
    std::replace(text.begin(), text.end(), '/', '\n');
    return PlaintextReader(text).Read();
}

// The seed turned or reflected by one of the eight symmetries of a square, in the middle of an
// otherwise empty field.
Field Oriented(const Pattern& seed, int symmetry)
{
    const bool across = (symmetry & 4) != 0;
    const int height = across ? seed.width : seed.height;
    const int width = across ? seed.height : seed.width;
    const int top = (Field::kSide - height) / 2 + 1;
    const int left = (Field::kSide - width) / 2 + 1;
    Field field;
    for (const LiveRun& run : seed.live) {
        for (int at = run.column; at < run.column + run.length; ++at) {
            const int down = across ? at : run.row;
            const int right = across ? run.row : at;
            const int row = (symmetry & 1) != 0 ? height - 1 - down : down;
            const int column = (symmetry & 2) != 0 ? width - 1 - right : right;
            field.Set(top + row, left + column);
        }
    }
    return field;
}

struct Entry
{
    std::size_t object;
    Heading heading;
};

// Every phase of every object in every orientation, by its shape.
std::map<std::vector<Field::Row>, Entry> Table(std::vector<KnownObject>& objects)
{
    std::map<std::vector<Field::Row>, Entry> table;
    for (std::size_t index = 0; index < objects.size(); ++index) {
        const Pattern seed = SeedOf(objects[index].rows);
        for (int symmetry = 0; symmetry < 8; ++symmetry) {
            const Field start = Oriented(seed, symmetry);
            std::vector<Field> phases{start};
            while (phases.size() <= kLongestPeriod &&
                   (phases.size() == 1 || phases.back().Shape() != start.Shape())) {
                phases.push_back(phases.back().Next());
            }
            if (phases.size() > kLongestPeriod) {
                throw std::logic_error(std::string("no period found for ") + objects[index].name);
            }
            phases.pop_back(); // the start again, perhaps moved
            objects[index].period = static_cast<int>(phases.size());
            const FieldCell from = start.TopLeft();
            const FieldCell to = phases.back().Next().TopLeft();
            const Heading heading = HeadingOf(to.row - from.row, to.column - from.column);
            for (const Field& phase : phases) {
                const auto [entry, added] = table.try_emplace(phase.Shape(), Entry{index, heading});
                if (!added && entry->second.object != index) {
                    throw std::logic_error(std::string("two objects share a shape: ") +
                                           objects[entry->second.object].name + ", " +
                                           objects[index].name);
                }
            }
        }
    }
    return table;
}

std::vector<std::vector<Field::Row>>
StillLifeShapes(const std::vector<KnownObject>& objects,
                const std::map<std::vector<Field::Row>, Entry>& table)
{
    std::vector<std::vector<Field::Row>> shapes;
    for (const auto& [shape, entry] : table) {
        if (objects[entry.object].period == 1) {
            shapes.push_back(shape);
        }
    }
    return shapes;
}

struct Known
{
    std::vector<KnownObject> objects = Objects();
    std::map<std::vector<Field::Row>, Entry> table = Table(objects);
    std::vector<std::vector<Field::Row>> stillLifes = StillLifeShapes(objects, table);
};

const Known& TheKnown()
{
    static const Known known;
    return known;
}

} // namespace

Heading HeadingOf(int down, int right)
{
    static constexpr Heading kHeadings[3][3] = {
        {Heading::UpLeft, Heading::Up, Heading::UpRight},
        {Heading::Left, Heading::None, Heading::Right},
        {Heading::DownLeft, Heading::Down, Heading::DownRight},
    };
    const auto index = [](int step) -> std::size_t { return step > 0 ? 2 : step < 0 ? 0 : 1; };
    return kHeadings[index(down)][index(right)];
}

Match MatchKnown(const std::vector<Field::Row>& shape)
{
    const Known& known = TheKnown();
    const auto found = known.table.find(shape);
    if (found == known.table.end()) {
        return {};
    }
    return {&known.objects[found->second.object], found->second.heading};
}

const std::vector<KnownObject>& KnownObjects()
{
    return TheKnown().objects;
}

const std::vector<std::vector<Field::Row>>& CommonStillLifeShapes()
{
    return TheKnown().stillLifes;
}

} // namespace quarn
