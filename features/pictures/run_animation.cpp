#include "features/pictures/run_animation.h"

#include "features/pictures/board_picture.h"

#include <QBuffer>

#include <algorithm>
#include <array>
#include <cstdint>
#include <gif_lib.h>
#include <memory>
#include <vector>

namespace quarn::run_animation {

namespace {

// Where a frame shows the one before through: the colours, and then this.
constexpr int kSeeThrough = BoardPicture::kColours;
// A colour table's size is a power of two: the colours and the see-through one.
constexpr int kTableBits = 3;
// The program's own pace, in hundredths of a second; the last frame stays a second before the
// animation comes round again, so that the end can be seen.
constexpr int kFrameDelay = 10;
constexpr int kLastFrameDelay = 100;

int Write(GifFileType* gif, const GifByteType* bytes, int length)
{
    static_cast<QByteArray*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(length));
    return length;
}

struct GifCloser
{
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

using Gif = std::unique_ptr<GifFileType, GifCloser>;

// The frames' box of pixels that differ from the frame before, or none.
struct Changed
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

Changed ChangedBetween(const std::vector<std::uint8_t>& before,
                       const std::vector<std::uint8_t>& after, int side)
{
    int left = side;
    int top = side;
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < side; ++y) {
        const auto* a = before.data() + static_cast<std::ptrdiff_t>(y) * side;
        const auto* b = after.data() + static_cast<std::ptrdiff_t>(y) * side;
        if (std::equal(a, a + side, b)) {
            continue;
        }
        top = std::min(top, y);
        bottom = y;
        for (int x = 0; x < side; ++x) {
            if (a[x] != b[x]) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    if (right < 0) {
        return {};
    }
    return {left, top, right - left + 1, bottom - top + 1};
}

// The application block that asks players to come round again and again, for ever.
bool PutLoop(GifFileType* gif)
{
    static const GifByteType kNetscape[] = "NETSCAPE2.0";
    static const GifByteType kForEver[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, 11, kNetscape) == GIF_OK &&
           EGifPutExtensionBlock(gif, 3, kForEver) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

// A frame: the box of pixels that changed, those that did not see-through, over the frame
// before, which stays.
bool PutFrame(GifFileType* gif, const std::vector<std::uint8_t>& before,
              const std::vector<std::uint8_t>& after, const Changed& box, int side, int delay)
{
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = delay;
    control.TransparentColor = kSeeThrough;
    std::array<GifByteType, 4> extension{};
    EGifGCBToExtension(&control, extension.data());
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension.data()) != GIF_OK ||
        EGifPutImageDesc(gif, box.left, box.top, box.width, box.height, false, nullptr) != GIF_OK) {
        return false;
    }
    std::vector<GifPixelType> line(static_cast<std::size_t>(box.width));
    for (int y = box.top; y < box.top + box.height; ++y) {
        const std::ptrdiff_t row = static_cast<std::ptrdiff_t>(y) * side + box.left;
        for (int x = 0; x < box.width; ++x) {
            const std::uint8_t now = after[static_cast<std::size_t>(row + x)];
            line[static_cast<std::size_t>(x)] =
                now == before[static_cast<std::size_t>(row + x)] ? kSeeThrough : now;
        }
        if (EGifPutLine(gif, line.data(), box.width) != GIF_OK) {
            return false;
        }
    }
    return true;
}

Gif OpenGif(QByteArray& bytes, int side)
{
    int error = 0;
    Gif gif(EGifOpen(&bytes, Write, &error));
    if (!gif) {
        return {};
    }
    EGifSetGifVersion(gif.get(), true);
    std::array<GifColorType, 1U << kTableBits> colours{};
    for (std::size_t i = 0; i < BoardPicture::Palette().size(); ++i) {
        const QRgb rgb = BoardPicture::Palette()[i];
        colours[i] = {static_cast<GifByteType>(qRed(rgb)), static_cast<GifByteType>(qGreen(rgb)),
                      static_cast<GifByteType>(qBlue(rgb))};
    }
    ColorMapObject* map = GifMakeMapObject(1 << kTableBits, colours.data());
    const bool put = EGifPutScreenDesc(gif.get(), side, side, kTableBits, 0, map) == GIF_OK &&
                     PutLoop(gif.get());
    GifFreeMapObject(map);
    return put ? std::move(gif) : Gif{};
}

} // namespace

int DefaultGenerations(const Fate& fate, int now)
{
    int generations = kMostGenerations;
    switch (fate.end) {
    case Fate::End::DiesOut:
    case Fate::End::Settles:
        generations = fate.step - now;
        break;
    case Fate::End::Repeats:
        // From the step now on, one whole period comes to the end of the first.
        generations = std::max(fate.step, now) + fate.period - 1 - now;
        break;
    case Fate::End::StillChanging:
        break;
    }
    return std::clamp(generations, 0, kMostGenerations);
}

QByteArray Picture(const Field& cells, const Field& trail, int scale)
{
    BoardPicture picture(scale);
    picture.Draw(cells, trail);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.Image().save(&buffer, "PNG");
    return bytes;
}

// Every frame starts from a frame the whole size of the board, drawn from nothing: the first is
// then all that changed.
QByteArray Animation(const Field& start, const Field* trail, int generations, int scale,
                     const Going& going)
{
    BoardPicture picture(scale);
    const int side = picture.Side();
    QByteArray bytes;
    Gif gif = OpenGif(bytes, side);
    if (!gif) {
        return {};
    }
    std::vector<std::uint8_t> shown(static_cast<std::size_t>(side) * static_cast<std::size_t>(side),
                                    kSeeThrough);
    Field cells = start;
    Field lived = trail != nullptr ? *trail | start : Field{};
    const int frames = std::clamp(generations, 0, kMostGenerations) + 1;
    for (int frame = 0; frame < frames; ++frame) {
        if (frame > 0) {
            cells = cells.Next();
            lived = trail != nullptr ? lived | cells : lived;
        }
        picture.Draw(cells, lived);
        Changed box = ChangedBetween(shown, picture.Pixels(), side);
        if (box.width == 0) {
            box = {0, 0, 1, 1}; // a frame that holds the one before for its 100 ms
        }
        const int delay = frame == frames - 1 ? kLastFrameDelay : kFrameDelay;
        if (!PutFrame(gif.get(), shown, picture.Pixels(), box, side, delay) ||
            (going && !going(frame + 1))) {
            return {};
        }
        shown = picture.Pixels();
    }
    int error = 0;
    if (EGifCloseFile(gif.release(), &error) != GIF_OK) {
        return {};
    }
    return bytes;
}

} // namespace quarn::run_animation
