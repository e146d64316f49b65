/* Preloaded into the desktop build by Measure.mjs: at the first frame the
 * program puts on the screen with content in it (not the black of a window
 * shown before its first paint), prints "first frame" and ends the program.
 * It watches both ways a program can show pixels: a streamed texture, or
 * the window's own surface. */
#define _GNU_SOURCE
#include <SDL.h>
#include <dlfcn.h>
#include <stdio.h>
#include <unistd.h>

static int Painted = 0;

/* Every page paints its top row, so the first row tells a painted frame. */
static void Look(const void* pixels, int width) {
    const Uint32* row = (const Uint32*)pixels;
    for (int i = 0; i < width && !Painted; ++i)
        if (row[i] & 0xFFFFFF) Painted = 1;
}

static void ReportIfPainted(void) {
    if (!Painted) return;
    fputs("first frame\n", stderr);
    _exit(0);
}

static void LookAtWindow(SDL_Window* window) {
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface && surface->pixels && surface->format->BytesPerPixel == 4) Look(surface->pixels, surface->w);
}

int SDL_UpdateTexture(SDL_Texture* texture, const SDL_Rect* rect, const void* pixels, int pitch) {
    int (*real)(SDL_Texture*, const SDL_Rect*, const void*, int) =
        (int (*)(SDL_Texture*, const SDL_Rect*, const void*, int))dlsym(RTLD_NEXT, "SDL_UpdateTexture");
    Look(pixels, pitch / 4);
    return real(texture, rect, pixels, pitch);
}

void SDL_RenderPresent(SDL_Renderer* renderer) {
    void (*real)(SDL_Renderer*) = (void (*)(SDL_Renderer*))dlsym(RTLD_NEXT, "SDL_RenderPresent");
    real(renderer);
    ReportIfPainted();
}

int SDL_UpdateWindowSurface(SDL_Window* window) {
    int (*real)(SDL_Window*) = (int (*)(SDL_Window*))dlsym(RTLD_NEXT, "SDL_UpdateWindowSurface");
    const int result = real(window);
    LookAtWindow(window);
    ReportIfPainted();
    return result;
}

int SDL_UpdateWindowSurfaceRects(SDL_Window* window, const SDL_Rect* rects, int count) {
    int (*real)(SDL_Window*, const SDL_Rect*, int) =
        (int (*)(SDL_Window*, const SDL_Rect*, int))dlsym(RTLD_NEXT, "SDL_UpdateWindowSurfaceRects");
    const int result = real(window, rects, count);
    LookAtWindow(window);
    ReportIfPainted();
    return result;
}
