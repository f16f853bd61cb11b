#pragma once

#include <cstdint>

namespace quarn {

// How the board looks wherever it is drawn: in the window, in the exported pictures, and as the
// tests look at both. Colours are 0xRRGGBB.
struct BoardLook
{
    static constexpr std::uint32_t kGap = 0xC0C0C0;  // silver, between the boxes and round them
    static constexpr std::uint32_t kLive = 0xFFFF00; // yellow
    static constexpr std::uint32_t kDead = 0x000000;
    // Where life has been: a dim blue-violet beside the live yellow, clearly lighter than the
    // dead black and darker than the silver gaps, whatever colours an eye tells apart.
    static constexpr std::uint32_t kTrail = 0x4D4DA6;
    static constexpr std::uint32_t kOutline = 0x000000;
    // The next generation's marks: a green ring on a dead cell about to be born, at least 5:1
    // against the black and the trail's blue, and a dark red cross on a live cell about to die,
    // about 7:1 against the yellow. Their shapes tell them apart for any eye.
    static constexpr std::uint32_t kBorn = 0x00FF00;
    static constexpr std::uint32_t kDying = 0xB00000;

    // The picture area's side in twips, and the whole logical pixels it takes.
    static constexpr int kAreaTwips = 5000;
    static constexpr int kAreaPixels = 333;
};

} // namespace quarn
