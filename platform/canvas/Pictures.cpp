// The compiled-in pictures: packed colour indices linked into the binary,
// unpacked on first use and kept unpacked, then copied plain, keyed or
// stretched.
#include "platform/canvas/Device.h"

#include <algorithm>

bool ReadPicture(const uint8_t* bytes, size_t size, int* width, int* height, std::vector<uint32_t>* pixels) {
    constexpr size_t Header = 5;
    if (size < Header) return false;
    *width = bytes[0] | bytes[1] << 8;
    *height = bytes[2] | bytes[3] << 8;
    const size_t colours = size_t{bytes[4]} + 1, count = static_cast<size_t>(*width) * *height;
    if (size != Header + 3 * colours + count) return false;
    // Each colour is stored as its steps from the one before.
    uint32_t palette[256];
    const uint8_t* colour = bytes + Header;
    uint8_t red = 0, green = 0, blue = 0;
    for (size_t i = 0; i < colours; ++i, colour += 3) {
        red = static_cast<uint8_t>(red + colour[0]);
        green = static_cast<uint8_t>(green + colour[1]);
        blue = static_cast<uint8_t>(blue + colour[2]);
        palette[i] = (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue;
    }
    pixels->resize(count);
    for (size_t i = 0; i < count; ++i) {
        if (colour[i] >= colours) return false;
        (*pixels)[i] = palette[colour[i]];
    }
    return true;
}

namespace {

struct DecodedPicture {
    bool Tried = false;
    int Width = 0, Height = 0;
    std::vector<uint32_t> Pixels;
};

constexpr int FirstId = 162, LastId = 486;
DecodedPicture Decoded[LastId - FirstId + 1];

const EmbeddedPicture* FindEmbedded(int id) {
    for (const EmbeddedPicture* p = StellarionPictures; p->Id != 0; ++p)
        if (p->Id == id) return p;
    return nullptr;
}

void Decode(int id, DecodedPicture& picture) {
    picture.Tried = true;
    const EmbeddedPicture* embedded = FindEmbedded(id);
    if (!embedded) return;
    const PackedChunk& chunk = PictureChunks[embedded->Chunk];
    std::vector<uint8_t> bytes(chunk.Length);
    if (!Unpack(chunk, bytes.data(), bytes.size()) ||
        !ReadPicture(bytes.data(), bytes.size(), &picture.Width, &picture.Height, &picture.Pixels))
        picture.Pixels.clear();
}

const DecodedPicture* Picture(int id) {
    if (id < FirstId || id > LastId) return nullptr;
    DecodedPicture& picture = Decoded[id - FirstId];
    if (!picture.Tried) Decode(id, picture);
    return picture.Pixels.empty() ? nullptr : &picture;
}

}  // namespace

bool PictureDecoded(int id) { return id >= FirstId && id <= LastId && Decoded[id - FirstId].Tried; }

int PlatformDecodeAhead(const int* ids, int count) {
    int decoded = 0;
    for (int i = 0; i < count; ++i) {
        if (ids[i] < FirstId || ids[i] > LastId || PictureDecoded(ids[i])) continue;
        Picture(ids[i]);
        ++decoded;
        BackendBetweenSteps();
    }
    return decoded;
}

bool PlatformPictureSize(int id, int* width, int* height) {
    const DecodedPicture* picture = Picture(id);
    if (!picture) return false;
    *width = picture->Width;
    *height = picture->Height;
    return true;
}

void PlatformCopyPicture(DeviceContext* dc, int id, int width, int height, int x,
                         int y, const Colour* key) {
    const DecodedPicture* picture = Picture(id);
    if (!picture) return;
    // A rectangle larger than the picture draws the picture at its own size.
    width = std::min(width, picture->Width);
    height = std::min(height, picture->Height);
    const int left = std::max(x, dc->Clip.Left), right = std::min(x + width, dc->Clip.Right);
    const int top = std::max(y, dc->Clip.Top), bottom = std::min(y + height, dc->Clip.Bottom);
    if (left >= right) return;
    const uint32_t keyPixel = key ? PackColour(*key) : 0;
    for (int row = top; row < bottom; ++row) {
        const uint32_t* source = &picture->Pixels[static_cast<size_t>(row - y) * picture->Width + (left - x)];
        uint32_t* target = dc->Pixels + static_cast<size_t>(row) * dc->Width + left;
        if (!key) {
            std::copy_n(source, right - left, target);
            continue;
        }
        // Runs of pixels other than the key are copied as blocks.
        for (int i = 0; i < right - left;) {
            while (i < right - left && source[i] == keyPixel) ++i;
            const int run = i;
            while (i < right - left && source[i] != keyPixel) ++i;
            std::copy(source + run, source + i, target + run);
        }
    }
}

namespace {

// The target rectangle of a stretch, clipped to the painted area.
struct StretchTarget {
    int X, Y, Width, Height;       // the whole target rectangle
    int Left, Top, Right, Bottom;  // the part to paint
};

// An enlargement: every target pixel repeats the one source pixel it falls
// on. One target row is built, stepping through the source without
// divisions, and copied down for the rows that repeat the same source row.
void Enlarge(DeviceContext* dc, const DecodedPicture& picture, const StretchTarget& t,
             int sourceWidth, int sourceHeight) {
    for (int row = t.Top; row < t.Bottom;) {
        const int sourceRow = (row - t.Y) * sourceHeight / t.Height;
        const uint32_t* source = &picture.Pixels[static_cast<size_t>(sourceRow) * picture.Width];
        uint32_t* target = dc->Pixels + static_cast<size_t>(row) * dc->Width;
        // Column c shows source column floor(c * sourceWidth / width).
        long step = static_cast<long>(t.Left - t.X) * sourceWidth;
        int sourceColumn = static_cast<int>(step / t.Width);
        long next = static_cast<long>(sourceColumn + 1) * t.Width;
        for (int column = t.Left; column < t.Right; ++column) {
            target[column] = source[sourceColumn];
            step += sourceWidth;
            if (step >= next) {
                ++sourceColumn;
                next += t.Width;
            }
        }
        int copy = row + 1;
        for (; copy < t.Bottom && (copy - t.Y) * sourceHeight / t.Height == sourceRow; ++copy)
            std::copy(target + t.Left, target + t.Right, dc->Pixels + static_cast<size_t>(copy) * dc->Width + t.Left);
        row = copy;
    }
}

// An exact halving: each target pixel averages a 2 x 2 block.
void Halve(DeviceContext* dc, const DecodedPicture& picture, const StretchTarget& t) {
    for (int row = t.Top; row < t.Bottom; ++row) {
        const uint32_t* upper = &picture.Pixels[static_cast<size_t>(2 * (row - t.Y)) * picture.Width];
        const uint32_t* lower = upper + picture.Width;
        uint32_t* target = dc->Pixels + static_cast<size_t>(row) * dc->Width;
        for (int column = t.Left; column < t.Right; ++column) {
            const int sx = 2 * (column - t.X);
            const uint32_t a = upper[sx], b = upper[sx + 1], c = lower[sx], d = lower[sx + 1];
            const auto channel = [&](int shift) {
                return ((((a >> shift) & 0xFF) + ((b >> shift) & 0xFF) + ((c >> shift) & 0xFF) +
                         ((d >> shift) & 0xFF)) / 4) << shift;
            };
            target[column] = channel(16) | channel(8) | channel(0);
        }
    }
}

// Any other ratio: each target pixel averages the source pixels its area
// covers, so shrinking keeps detail and enlarging repeats pixels.
void Resample(DeviceContext* dc, const DecodedPicture& picture, const StretchTarget& t,
              int sourceWidth, int sourceHeight) {
    for (int row = t.Top; row < t.Bottom; ++row) {
        const int sy0 = (row - t.Y) * sourceHeight / t.Height;
        const int sy1 = std::max(sy0 + 1, (row - t.Y + 1) * sourceHeight / t.Height);
        for (int column = t.Left; column < t.Right; ++column) {
            const int sx0 = (column - t.X) * sourceWidth / t.Width;
            const int sx1 = std::max(sx0 + 1, (column - t.X + 1) * sourceWidth / t.Width);
            uint32_t red = 0, green = 0, blue = 0, count = 0;
            for (int sy = sy0; sy < sy1; ++sy)
                for (int sx = sx0; sx < sx1; ++sx) {
                    const uint32_t p = picture.Pixels[static_cast<size_t>(sy) * picture.Width + sx];
                    red += p >> 16;
                    green += (p >> 8) & 0xFF;
                    blue += p & 0xFF;
                    ++count;
                }
            dc->Pixels[static_cast<size_t>(row) * dc->Width + column] =
                ((red / count) << 16) | ((green / count) << 8) | (blue / count);
        }
    }
}

}  // namespace

// Enlargements (most often a doubling) and exact halvings, what the pages
// use, have their own paths; they give the same pixels as the general
// resampling.
void PlatformStretchPicture(DeviceContext* dc, int id, int sourceWidth,
                            int sourceHeight, int x, int y, int width, int height) {
    const DecodedPicture* picture = Picture(id);
    if (!picture || width <= 0 || height <= 0) return;
    sourceWidth = std::min(sourceWidth, picture->Width);
    sourceHeight = std::min(sourceHeight, picture->Height);
    if (sourceWidth <= 0 || sourceHeight <= 0) return;
    const StretchTarget target{x, y, width, height,
                               std::max(x, dc->Clip.Left), std::max(y, dc->Clip.Top),
                               std::min(x + width, dc->Clip.Right), std::min(y + height, dc->Clip.Bottom)};
    if (target.Left >= target.Right) return;
    if (width >= sourceWidth && height >= sourceHeight)
        Enlarge(dc, *picture, target, sourceWidth, sourceHeight);
    else if (2 * width == sourceWidth && 2 * height == sourceHeight)
        Halve(dc, *picture, target);
    else
        Resample(dc, *picture, target, sourceWidth, sourceHeight);
}
