#include "features/pictures/run_animation.h"

#include "features/pictures/board_picture.h"
#include "features/population/graph_frame.h"

#include <QBuffer>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstdint>
#include <gif_lib.h>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace quarn::run_animation {

namespace {

// Where a frame shows the one before through: the board's colours, then this, then the graph's.
constexpr int kSeeThrough = BoardPicture::kColours;
constexpr int kGraphColours = kSeeThrough + 1;
// A colour table's size is a power of two: the colours and the see-through one; with a graph,
// its colours too.
constexpr int kTableBits = 3;
constexpr int kTableBitsWithGraph = 4;
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

// A frame's pixels, each one of the table's colours, a row after another.
struct Canvas
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

Changed ChangedBetween(const std::vector<std::uint8_t>& before,
                       const std::vector<std::uint8_t>& after, int width, int height)
{
    int left = width;
    int top = height;
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < height; ++y) {
        const auto* a = before.data() + static_cast<std::ptrdiff_t>(y) * width;
        const auto* b = after.data() + static_cast<std::ptrdiff_t>(y) * width;
        if (std::equal(a, a + width, b)) {
            continue;
        }
        top = std::min(top, y);
        bottom = y;
        for (int x = 0; x < width; ++x) {
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
              const std::vector<std::uint8_t>& after, const Changed& box, int width, int delay)
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
        const std::ptrdiff_t row = static_cast<std::ptrdiff_t>(y) * width + box.left;
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

// The board's colours, the see-through one, and with a graph the graph's.
std::vector<QRgb> TableColours(bool graph)
{
    std::vector<QRgb> colours(BoardPicture::Palette().begin(), BoardPicture::Palette().end());
    colours.push_back(0); // see-through
    if (graph) {
        for (const QRgb rgb : GraphPicture::Colours()) {
            colours.push_back(rgb);
        }
    }
    return colours;
}

Gif OpenGif(QByteArray& bytes, int width, int height, bool graph)
{
    int error = 0;
    Gif gif(EGifOpen(&bytes, Write, &error));
    if (!gif) {
        return {};
    }
    EGifSetGifVersion(gif.get(), true);
    const int bits = graph ? kTableBitsWithGraph : kTableBits;
    std::vector<GifColorType> colours(std::size_t{1} << static_cast<unsigned>(bits));
    const std::vector<QRgb> table = TableColours(graph);
    for (std::size_t i = 0; i < table.size(); ++i) {
        colours[i] = {static_cast<GifByteType>(qRed(table[i])),
                      static_cast<GifByteType>(qGreen(table[i])),
                      static_cast<GifByteType>(qBlue(table[i]))};
    }
    ColorMapObject* map = GifMakeMapObject(1 << bits, colours.data());
    const bool put =
        EGifPutScreenDesc(gif.get(), width, height, bits, 0, map) == GIF_OK && PutLoop(gif.get());
    GifFreeMapObject(map);
    return put ? std::move(gif) : Gif{};
}

// The graph's pixels in the rectangle, as the table's colours, into the canvas to the right of
// the board. A crisp graph has only its own colours; anything else takes the nearest.
void PutGraph(const QImage& image, const QRect& rect, int left, Canvas& canvas)
{
    const std::vector<QRgb> colours = GraphPicture::Colours();
    const auto nearest = [&colours](QRgb rgb) {
        int best = 0;
        int least = std::numeric_limits<int>::max();
        for (std::size_t i = 0; i < colours.size(); ++i) {
            const int r = qRed(rgb) - qRed(colours[i]);
            const int g = qGreen(rgb) - qGreen(colours[i]);
            const int b = qBlue(rgb) - qBlue(colours[i]);
            const int distance = r * r + g * g + b * b;
            if (distance < least) {
                least = distance;
                best = static_cast<int>(i);
            }
        }
        return static_cast<std::uint8_t>(kGraphColours + best);
    };
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::uint8_t* out =
            canvas.pixels.data() + static_cast<std::ptrdiff_t>(y) * canvas.width + left;
        QRgb last = 0;
        std::uint8_t index = 0;
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb rgb = line[x] | 0xFF000000U;
            if (rgb != last || x == rect.left()) {
                last = rgb;
                index = nearest(rgb);
            }
            out[x] = index;
        }
    }
}

void PutBoard(const std::vector<std::uint8_t>& board, int side, Canvas& canvas)
{
    for (int y = 0; y < side; ++y) {
        std::copy_n(board.data() + static_cast<std::ptrdiff_t>(y) * side, side,
                    canvas.pixels.data() + static_cast<std::ptrdiff_t>(y) * canvas.width);
    }
}

QByteArray Png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

Graph GraphOf(const RunModel& run)
{
    const Fate& fate = run.Foreseen();
    const Population& series = run.Series();
    return {GraphPicture::PointsOf(series), series.PastSize(),
            GraphFrame::OutlookOf(fate, run.Record().Last()), series.AndOn()};
}

QSize GraphSize(int side)
{
    return {side * 3 / 2, side};
}

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

QByteArray Picture(const Field& cells, const Field& trail, int scale, const Graph* graph)
{
    BoardPicture picture(scale);
    picture.Draw(cells, trail);
    if (graph == nullptr) {
        return Png(picture.Image());
    }
    const int side = picture.Side();
    const QSize size = GraphSize(side);
    GraphPicture drawn(size, scale, graph->points, graph->outlook, graph->andOn, false);
    QImage both(side + size.width(), side, QImage::Format_RGB32);
    QPainter painter(&both);
    painter.drawImage(0, 0, picture.Image());
    painter.drawImage(side, 0, drawn.Draw(graph->past));
    painter.end();
    return Png(both);
}

QByteArray GraphPng(const Graph& graph, int scale)
{
    const QSize size = GraphSize(BoardPicture::kAreaPixels * scale);
    GraphPicture drawn(size, scale, graph.points, graph.outlook, graph.andOn, false);
    return Png(drawn.Draw(graph.past));
}

// Every frame starts from a frame the whole size of the picture, drawn from nothing: the first
// is then all that changed.
QByteArray Animation(const Field& start, const Field* trail, int generations, int scale,
                     const Going& going, const Graph* graph)
{
    BoardPicture picture(scale);
    const int side = picture.Side();
    const int frames = std::clamp(generations, 0, kMostGenerations) + 1;
    // The graph's points on to the last frame's step, for axes that fit them all from the first.
    std::optional<GraphPicture> drawn;
    if (graph != nullptr && !graph->points.empty()) {
        const int past = std::clamp(graph->past, 1, static_cast<int>(graph->points.size()));
        std::vector<GraphPicture::Point> points(graph->points.begin(),
                                                graph->points.begin() + past);
        Field cells = start;
        for (int frame = 1; frame < frames; ++frame) {
            cells = cells.Next();
            points.push_back({points.back().step + 1, cells.Count()});
        }
        drawn.emplace(GraphSize(side), scale, std::move(points), graph->outlook, false, true);
        drawn->Draw(past - 1);
    }
    Canvas canvas;
    canvas.width = side + (drawn ? drawn->Image().width() : 0);
    canvas.height = side;
    canvas.pixels.assign(static_cast<std::size_t>(canvas.width) * static_cast<std::size_t>(side),
                         kSeeThrough);
    std::vector<std::uint8_t> shown = canvas.pixels;
    QByteArray bytes;
    Gif gif = OpenGif(bytes, canvas.width, canvas.height, drawn.has_value());
    if (!gif) {
        return {};
    }
    Field cells = start;
    Field lived = trail != nullptr ? *trail | start : Field{};
    for (int frame = 0; frame < frames; ++frame) {
        if (frame > 0) {
            cells = cells.Next();
            lived = trail != nullptr ? lived | cells : lived;
        }
        picture.Draw(cells, lived);
        PutBoard(picture.Pixels(), side, canvas);
        if (drawn) {
            const QRect grown = drawn->Grow();
            PutGraph(drawn->Image(), frame == 0 ? drawn->Image().rect() : grown, side, canvas);
        }
        Changed box = ChangedBetween(shown, canvas.pixels, canvas.width, canvas.height);
        if (box.width == 0) {
            box = {0, 0, 1, 1}; // a frame that holds the one before for its 100 ms
        }
        const int delay = frame == frames - 1 ? kLastFrameDelay : kFrameDelay;
        if (!PutFrame(gif.get(), shown, canvas.pixels, box, canvas.width, delay) ||
            (going && !going(frame + 1))) {
            return {};
        }
        shown = canvas.pixels;
    }
    int error = 0;
    if (EGifCloseFile(gif.release(), &error) != GIF_OK) {
        return {};
    }
    return bytes;
}

} // namespace quarn::run_animation
