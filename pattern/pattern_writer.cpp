#include "pattern_writer.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace quarn {

namespace {

constexpr std::size_t kLineLength = 70;

// Collects the items of the cells into lines, never splitting an item between two.
class ItemLines
{
public:
    void Add(std::int64_t count, char tag)
    {
        std::string item = count > 1 ? std::to_string(count) : std::string();
        item += tag;
        if (line_.size() + item.size() > kLineLength) {
            text_ += line_ + '\n';
            line_.clear();
        }
        line_ += item;
    }

    std::string Finish()
    {
        Add(1, '!');
        return text_ + line_ + '\n';
    }

private:
    std::string text_;
    std::string line_;
};

// The runs in order, touching ones joined, whatever order they were given in.
std::vector<LiveRun> Ordered(std::vector<LiveRun> runs)
{
    std::sort(runs.begin(), runs.end(), [](const LiveRun& a, const LiveRun& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    std::vector<LiveRun> joined;
    for (const LiveRun& run : runs) {
        if (!joined.empty() && joined.back().row == run.row &&
            joined.back().column + joined.back().length >= run.column) {
            joined.back().length =
                std::max(joined.back().length, run.column + run.length - joined.back().column);
        } else if (run.length > 0) {
            joined.push_back(run);
        }
    }
    return joined;
}

} // namespace

std::string WriteRle(const Pattern& pattern, const std::vector<std::string>& comments)
{
    std::string text;
    if (!pattern.name.empty()) {
        text += "#N " + pattern.name + '\n';
    }
    for (const std::string& comment : comments) {
        text += "#C " + comment + '\n';
    }
    text += "x = " + std::to_string(pattern.width) + ", y = " + std::to_string(pattern.height) +
            ", rule = B3/S23\n";

    ItemLines items;
    int row = 0;
    int column = 0;
    for (const LiveRun& run : Ordered(pattern.live)) {
        if (run.row > row) {
            items.Add(run.row - row, '$');
            row = run.row;
            column = 0;
        }
        if (run.column > column) {
            items.Add(run.column - column, 'b');
        }
        items.Add(run.length, 'o');
        column = run.column + run.length;
    }
    return text + items.Finish();
}

std::string WritePlaintext(const Pattern& pattern)
{
    const auto width = static_cast<std::size_t>(pattern.width);
    std::vector<std::string> rows(static_cast<std::size_t>(pattern.height),
                                  std::string(width, '.'));
    for (const LiveRun& run : pattern.live) {
        if (run.column < 0 || run.length < 0 || run.column + run.length > pattern.width) {
            throw std::invalid_argument("WritePlaintext: a run lies outside the pattern's box");
        }
        std::fill_n(rows.at(static_cast<std::size_t>(run.row)).begin() + run.column, run.length,
                    'O');
    }
    std::string text = pattern.name.empty() ? "!Name:\n" : "!Name: " + pattern.name + '\n';
    for (const std::string& row : rows) {
        text += row + '\n';
    }
    return text;
}

} // namespace quarn
