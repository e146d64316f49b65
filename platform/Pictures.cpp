// The compiled-in pictures: PNG data linked into the binary, decoded on first
// use and kept decoded, then copied plain, keyed or stretched.
#include "platform/Internal.h"

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb_image.h>

#include <algorithm>
#include <climits>
#include <vector>

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
    if (!embedded || embedded->Size > INT_MAX) return;
    int width = 0, height = 0, channels = 0;
    // Every picture is decoded to RGB: an alpha channel, if a file had one,
    // is dropped, as the device's bitmaps have none.
    unsigned char* rgb = stbi_load_from_memory(embedded->Data, static_cast<int>(embedded->Size),
                                               &width, &height, &channels, 3);
    if (!rgb) return;
    picture.Width = width;
    picture.Height = height;
    picture.Pixels.resize(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < picture.Pixels.size(); ++i)
        picture.Pixels[i] = (uint32_t{rgb[3 * i]} << 16) | (uint32_t{rgb[3 * i + 1]} << 8) | rgb[3 * i + 2];
    stbi_image_free(rgb);
}

const DecodedPicture* Picture(int id) {
    if (id < FirstId || id > LastId) return nullptr;
    DecodedPicture& picture = Decoded[id - FirstId];
    if (!picture.Tried) Decode(id, picture);
    return picture.Pixels.empty() ? nullptr : &picture;
}

}  // namespace

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
        for (int i = 0; i < right - left; ++i)
            if (source[i] != keyPixel) target[i] = source[i];
    }
}

void PlatformStretchPicture(DeviceContext* dc, int id, int sourceWidth,
                            int sourceHeight, int x, int y, int width, int height) {
    const DecodedPicture* picture = Picture(id);
    if (!picture || width <= 0 || height <= 0) return;
    sourceWidth = std::min(sourceWidth, picture->Width);
    sourceHeight = std::min(sourceHeight, picture->Height);
    const int left = std::max(x, dc->Clip.Left), right = std::min(x + width, dc->Clip.Right);
    const int top = std::max(y, dc->Clip.Top), bottom = std::min(y + height, dc->Clip.Bottom);
    for (int row = top; row < bottom; ++row) {
        // Each target pixel averages the source pixels its area covers, so
        // shrinking keeps detail and enlarging repeats pixels.
        const int sy0 = (row - y) * sourceHeight / height;
        const int sy1 = std::max(sy0 + 1, (row - y + 1) * sourceHeight / height);
        for (int column = left; column < right; ++column) {
            const int sx0 = (column - x) * sourceWidth / width;
            const int sx1 = std::max(sx0 + 1, (column - x + 1) * sourceWidth / width);
            uint32_t red = 0, green = 0, blue = 0, count = 0;
            for (int sy = sy0; sy < sy1; ++sy)
                for (int sx = sx0; sx < sx1; ++sx) {
                    const uint32_t p = picture->Pixels[static_cast<size_t>(sy) * picture->Width + sx];
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
