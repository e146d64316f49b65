// The device screen encoded as PNG data in memory: the simulator's shots, the
// desktop's Ctrl+S and the tests all write these bytes. And the one PNG the
// program reads, the desktop window's icon.
#include "platform/canvas/Device.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb_image_write.h>
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb_image.h>

#include <climits>

bool DecodePngWithAlpha(const unsigned char* data, size_t size, int* width, int* height,
                        std::vector<uint32_t>* pixels) {
    int channels = 0;
    if (size > INT_MAX) return false;
    unsigned char* rgba = stbi_load_from_memory(data, static_cast<int>(size), width, height, &channels, 4);
    if (!rgba) return false;
    pixels->resize(static_cast<size_t>(*width) * *height);
    for (size_t i = 0; i < pixels->size(); ++i)
        (*pixels)[i] = (uint32_t{rgba[4 * i + 3]} << 24) | (uint32_t{rgba[4 * i]} << 16) |
                       (uint32_t{rgba[4 * i + 1]} << 8) | rgba[4 * i + 2];
    stbi_image_free(rgba);
    return true;
}

namespace {

void AppendBytes(void* context, void* data, int size) {
    auto* bytes = static_cast<std::vector<unsigned char>*>(context);
    const auto* begin = static_cast<const unsigned char*>(data);
    bytes->insert(bytes->end(), begin, begin + size);
}

}  // namespace

bool EncodeDeviceScreenPng(std::vector<unsigned char>* bytes) {
    std::vector<unsigned char> rgb(Device.Framebuffer.size() * 3);
    for (size_t i = 0; i < Device.Framebuffer.size(); ++i) {
        const uint32_t pixel = Device.Framebuffer[i];
        rgb[3 * i] = static_cast<unsigned char>(pixel >> 16);
        rgb[3 * i + 1] = static_cast<unsigned char>(pixel >> 8);
        rgb[3 * i + 2] = static_cast<unsigned char>(pixel);
    }
    return stbi_write_png_to_func(AppendBytes, bytes, Device.Width, Device.Height, 3, rgb.data(),
                                  Device.Width * 3) != 0;
}
