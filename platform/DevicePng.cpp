// The device screen as a PNG file: the simulator's shots and the desktop's
// Ctrl+S.
#include "platform/Files.h"
#include "platform/Internal.h"

#include <SDL.h>
#include <SDL_image.h>
#include <fcntl.h>
#include <unistd.h>

#include <vector>

namespace {

// The picture is encoded into memory first: the library's own file writing
// does not report a write that fails part-way (a full disk).
size_t AppendBytes(SDL_RWops* stream, const void* data, size_t size, size_t count) {
    auto* bytes = static_cast<std::vector<unsigned char>*>(stream->hidden.unknown.data1);
    const auto* begin = static_cast<const unsigned char*>(data);
    bytes->insert(bytes->end(), begin, begin + size * count);
    return count;
}

bool EncodePng(std::vector<unsigned char>* bytes) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        Device.Framebuffer.data(), Device.Width, Device.Height, 32,
        Device.Width * static_cast<int>(sizeof(uint32_t)), SDL_PIXELFORMAT_XRGB8888);
    if (!surface) return false;
    SDL_RWops* stream = SDL_AllocRW();
    bool encoded = false;
    if (stream) {
        stream->type = SDL_RWOPS_UNKNOWN;
        stream->size = [](SDL_RWops*) -> Sint64 { return -1; };
        stream->seek = [](SDL_RWops*, Sint64, int) -> Sint64 { return -1; };
        stream->read = [](SDL_RWops*, void*, size_t, size_t) -> size_t { return 0; };
        stream->write = AppendBytes;
        stream->close = [](SDL_RWops*) { return 0; };
        stream->hidden.unknown.data1 = bytes;
        encoded = IMG_SavePNG_RW(surface, stream, 0) == 0;
        SDL_FreeRW(stream);
    }
    SDL_FreeSurface(surface);
    return encoded;
}

bool WriteWholeFile(const char* path, const std::vector<unsigned char>& bytes) {
    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0644);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, bytes.data(), bytes.size());
    return close(fd) == 0 && written;
}

}  // namespace

bool SaveDeviceScreenPng(const char* path) {
    std::vector<unsigned char> bytes;
    return EncodePng(&bytes) && WriteWholeFile(path, bytes);
}
