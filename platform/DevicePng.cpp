// The device screen as a PNG file: the simulator's shots and the desktop's
// Ctrl+S.
#include "platform/Files.h"
#include "platform/Internal.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb_image_write.h>

#include <fcntl.h>
#include <unistd.h>

#include <vector>

namespace {

void AppendBytes(void* context, void* data, int size) {
    auto* bytes = static_cast<std::vector<unsigned char>*>(context);
    const auto* begin = static_cast<const unsigned char*>(data);
    bytes->insert(bytes->end(), begin, begin + size);
}

// The picture is encoded into memory first, so that a write that fails
// part-way (a full disk) is seen.
bool EncodePng(std::vector<unsigned char>* bytes) {
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

}  // namespace

bool WriteDeviceScreenPng(int fd) {
    std::vector<unsigned char> bytes;
    const bool written = EncodePng(&bytes) && WriteAll(fd, bytes.data(), bytes.size());
    return close(fd) == 0 && written;
}

bool SaveDeviceScreenPng(const char* path) {
    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0644);
    return fd >= 0 && WriteDeviceScreenPng(fd);
}
