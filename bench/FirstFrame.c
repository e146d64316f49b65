/* Preloaded into the desktop program by bench/desktop.sh: notes the moment
 * the first frame is handed to the window system, then lets it through. */
#define _GNU_SOURCE
#include <SDL.h>
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static void NoteFirstFrame(void) {
    static int noted = 0;
    const char* path = getenv("FIRST_FRAME_FILE");
    if (noted || !path) return;
    noted = 1;
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    FILE* file = fopen(path, "w");
    if (!file) return;
    fprintf(file, "%lld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec);
    fclose(file);
}

int SDL_UpdateWindowSurface(SDL_Window* window) {
    static int (*real)(SDL_Window*);
    if (!real) real = (int (*)(SDL_Window*))dlsym(RTLD_NEXT, "SDL_UpdateWindowSurface");
    const int result = real(window);
    NoteFirstFrame();
    return result;
}

int SDL_UpdateWindowSurfaceRects(SDL_Window* window, const SDL_Rect* rects, int count) {
    static int (*real)(SDL_Window*, const SDL_Rect*, int);
    if (!real)
        real = (int (*)(SDL_Window*, const SDL_Rect*, int))dlsym(RTLD_NEXT, "SDL_UpdateWindowSurfaceRects");
    const int result = real(window, rects, count);
    NoteFirstFrame();
    return result;
}
