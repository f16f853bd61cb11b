#include "rule.h"

#include <bitset>
#include <cctype>
#include <optional>
#include <string>

namespace quarn {

namespace {

using Neighbours = std::bitset<9>;

std::string Folded(std::string_view text)
{
    std::string folded;
    for (const char c : text) {
        if (c != ' ' && c != '\t') {
            folded += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return folded;
}

// The neighbour counts a part such as "23" names, or nothing if it names none properly.
std::optional<Neighbours> Counts(std::string_view digits)
{
    Neighbours counts;
    for (const char c : digits) {
        if (c < '0' || c > '8') {
            return std::nullopt;
        }
        counts.set(static_cast<std::size_t>(c - '0'));
    }
    return counts;
}

bool IsB3S23(std::string_view birth, std::string_view survival)
{
    const auto born = Counts(birth);
    const auto survives = Counts(survival);
    return born && survives && *born == Neighbours(0b1000) && *survives == Neighbours(0b1100);
}

} // namespace

bool IsBoardRule(std::string_view rule)
{
    std::string folded = Folded(rule);
    const std::size_t colon = folded.find(':');
    if (colon != std::string::npos) {
        if (folded.substr(colon) != ":P30,30") {
            return false;
        }
        folded.resize(colon);
    }
    const std::size_t slash = folded.find('/');
    if (slash == std::string::npos || folded.find('/', slash + 1) != std::string::npos) {
        return false;
    }
    const std::string_view first = std::string_view(folded).substr(0, slash);
    const std::string_view second = std::string_view(folded).substr(slash + 1);
    if (first.starts_with('B') && second.starts_with('S')) {
        return IsB3S23(first.substr(1), second.substr(1));
    }
    if (first.starts_with('S') && second.starts_with('B')) {
        return IsB3S23(second.substr(1), first.substr(1));
    }
    return IsB3S23(second, first); // survival/birth, the older notation
}

} // namespace quarn
