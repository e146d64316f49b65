// The device screen as a PNG file: the simulator's shots and the desktop's
// Ctrl+S.
#include "platform/Internal.h"

#include <SDL.h>
#include <SDL_image.h>

bool SaveDeviceScreenPng(const char* path) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        Device.Framebuffer.data(), Device.Width, Device.Height, 32,
        Device.Width * static_cast<int>(sizeof(uint32_t)), SDL_PIXELFORMAT_XRGB8888);
    if (!surface) return false;
    const bool saved = IMG_SavePNG(surface, path) == 0;
    SDL_FreeSurface(surface);
    return saved;
}
