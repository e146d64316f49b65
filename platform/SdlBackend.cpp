// The desktop backend: a real window showing the emulated device screen,
// enlarged by a whole zoom factor, with mouse and keys translated into the
// device's messages.
#include "platform/Internal.h"
#include "platform/SingleInstance.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

int StellarionMain();

namespace {

SDL_Window* Window = nullptr;
SDL_Renderer* Renderer = nullptr;
SDL_Texture* Screen = nullptr;
int Zoom = 1;
int Listener = -1;
bool ButtonHeld = false;

bool ParseScreen(const char* text, int* width, int* height) {
    return text && std::sscanf(text, "%dx%d", width, height) == 2 && *width > 0 &&
           *height > 0 && *width <= 4096 && *height <= 4096;
}

void CreateScreenTexture() {
    if (Screen) SDL_DestroyTexture(Screen);
    Screen = SDL_CreateTexture(Renderer, SDL_PIXELFORMAT_XRGB8888, SDL_TEXTUREACCESS_STREAMING,
                               Device.Width, Device.Height);
}

long PointerPosition(int x, int y) { return PackPoint(x / Zoom, y / Zoom); }

// Ctrl+R turns the device: width and height swap and the window hears of it
// as the shell would tell it.
void Rotate() {
    SetDeviceScreenSize(Device.Height, Device.Width);
    SDL_SetWindowSize(Window, Device.Width * Zoom, Device.Height * Zoom);
    PostPlatformMessage(MessagePositionChanged, 0, 0);
    PlatformInvalidateWindow();
}

void Translate(const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT:
        PostPlatformMessage(MessageDestroy, 0, 0);
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST)
            PostPlatformMessage(MessageActivate, 0, 0);
        else if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
            PostPlatformMessage(MessageActivate, 1, 0);
        else if (event.window.event == SDL_WINDOWEVENT_EXPOSED)
            BackendPresent({0, 0, Device.Width, Device.Height});
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button != SDL_BUTTON_LEFT) break;
        ButtonHeld = true;
        PostPlatformMessage(MessageButtonDown, 1, PointerPosition(event.button.x, event.button.y));
        break;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button != SDL_BUTTON_LEFT || !ButtonHeld) break;
        ButtonHeld = false;
        PostPlatformMessage(MessageButtonUp, 0, PointerPosition(event.button.x, event.button.y));
        break;
    case SDL_MOUSEMOTION:
        // A stylus only moves the pointer while it touches the screen.
        if (ButtonHeld)
            PostPlatformMessage(MessageMouseMove, 1, PointerPosition(event.motion.x, event.motion.y));
        break;
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_r && (event.key.keysym.mod & KMOD_CTRL)) {
            if (!event.key.repeat) Rotate();
        } else if (event.key.keysym.sym == SDLK_UP) {
            PostPlatformMessage(MessageKeyDown, KeyCodeUp, 0);
        } else if (event.key.keysym.sym == SDLK_DOWN) {
            PostPlatformMessage(MessageKeyDown, KeyCodeDown, 0);
        }
        break;
    case SDL_KEYUP:
        if (event.key.keysym.sym == SDLK_UP) PostPlatformMessage(MessageKeyUp, KeyCodeUp, 0);
        if (event.key.keysym.sym == SDLK_DOWN) PostPlatformMessage(MessageKeyUp, KeyCodeDown, 0);
        break;
    default:
        break;
    }
}

}  // namespace

bool PlatformFindRunningCopy(const char*, const char*) {
    return !SingleInstanceClaim(SingleInstanceFolder(), &Listener);
}

void PlatformBringRunningCopyForward() { SingleInstanceRequestForward(SingleInstanceFolder()); }

void BackendWindowCreated() {
    Window = SDL_CreateWindow("Stellarion", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                              Device.Width * Zoom, Device.Height * Zoom, SDL_WINDOW_SHOWN);
    Renderer = SDL_CreateRenderer(Window, -1, 0);
    if (!Renderer) Renderer = SDL_CreateRenderer(Window, -1, SDL_RENDERER_SOFTWARE);
    CreateScreenTexture();
}

void BackendScreenResized() {
    if (Renderer) CreateScreenTexture();
}

void BackendPresent(const PixelRect&) {
    if (!Screen) return;
    SDL_UpdateTexture(Screen, nullptr, Device.Framebuffer.data(),
                      Device.Width * static_cast<int>(sizeof(uint32_t)));
    SDL_RenderClear(Renderer);
    SDL_RenderCopy(Renderer, Screen, nullptr, nullptr);
    SDL_RenderPresent(Renderer);
}

void BackendWaitForInput() {
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, 100)) {
        Translate(event);
        while (SDL_PollEvent(&event)) Translate(event);
    }
    // A later copy asked this one to come forward: front, full screen, repaint.
    if (SingleInstanceTakeRequest(Listener) && Window) {
        SDL_RestoreWindow(Window);
        SDL_RaiseWindow(Window);
        PlatformFullScreenRequest(42);
        PlatformInvalidateWindow();
    }
}

void BackendMessageBox(const char* text, const char* caption) {
    const bool warning = caption && *caption;
    SDL_ShowSimpleMessageBox(warning ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_ERROR,
                             warning ? caption : "Stellarion", text, Window);
}

void PlatformSleep(int milliseconds) { SDL_Delay(static_cast<Uint32>(milliseconds)); }

// The program reads no arguments; the emulated screen comes from the
// environment: STELLARION_SCREEN=WxH (default 480x640), STELLARION_ZOOM=N.
int main() {
    int width = 480, height = 640;
    if (const char* screen = std::getenv("STELLARION_SCREEN"); screen && !ParseScreen(screen, &width, &height))
        std::fprintf(stderr, "stellarion: STELLARION_SCREEN must look like 480x640; using 480x640\n");
    if (const char* zoom = std::getenv("STELLARION_ZOOM")) Zoom = std::atoi(zoom);
    if (Zoom < 1 || Zoom > 8) Zoom = 1;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "stellarion: cannot open a window: %s\n", SDL_GetError());
        return 1;
    }
    SetDeviceScreenSize(width, height);
    const int code = StellarionMain();
    SDL_Quit();
    return code;
}
