// The shared software device's own parts, for the files of platform/canvas/
// only: the device context, the screen with its framebuffer and window, and
// the compiled-in pictures.
#pragma once

#include "platform/Backend.h"
#include "platform/canvas/Unpack.h"

#include <cstdint>
#include <vector>

struct DeviceContext {
    uint32_t* Pixels;      // 0x00RRGGBB, row-major, Width x Height
    int Width, Height;
    PixelRect Clip;        // drawing never leaves this rectangle
    FontHandle Font;
    Colour TextColour;
    Colour BackColour;
    bool TransparentText;
};

// The device screen and its persistent framebuffer (never erased).
struct EmulatedDevice {
    int Width = 0, Height = 0;
    std::vector<uint32_t> Framebuffer;
    WindowProcedure Procedure = nullptr;
    bool WindowExists = false;
    PixelRect WindowRect{};
    PixelRect Invalid{};   // empty when Left >= Right
    DeviceContext Paint{};
};

extern EmulatedDevice Device;

// Releases the fonts deleted while they were selected for drawing.
void ReleaseDeletedFonts();

// The pictures as the build compiled them in (tools/embed-pictures): one
// entry per picture, naming its packed chunk, ended by an entry with id 0.
struct EmbeddedPicture {
    int Id;
    int Chunk;  // in PictureChunks
};
extern const EmbeddedPicture StellarionPictures[];
extern const PackedChunk PictureChunks[];

// A picture's unpacked chunk: width and height (two bytes each, low byte
// first), the number of colours less one, the colours (red, green, blue,
// each the step from the colour before), one index a pixel.
// False for one that does not hold together.
bool ReadPicture(const uint8_t* bytes, size_t size, int* width, int* height, std::vector<uint32_t>* pixels);
// True once picture `id` has been decoded, or found missing or damaged.
bool PictureDecoded(int id);

inline uint32_t PackColour(Colour c) {
    return (uint32_t{c.Red} << 16) | (uint32_t{c.Green} << 8) | c.Blue;
}

// Drops the keyboard focus, for a new device.
void ResetKeyboardFocus();
