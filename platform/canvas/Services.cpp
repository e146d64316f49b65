// The services of platform/Platform.h that only a backend can give, passed
// on to it (platform/Backend.h). The program names them by role; each
// backend answers in its own way.
#include "platform/canvas/Device.h"

namespace {

// More than the text view holds, as UTF-8 at up to four bytes a character.
constexpr int ClipboardCapacity = 4 * 4096 + 1;

// One UTF-8 sequence for a character; returns its length.
int EncodeUtf8(uint32_t c, char* out) {
    if (c > 0x10FFFF) c = 0xFFFD;
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    const int length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    for (int i = length - 1; i > 0; --i, c >>= 6) out[i] = static_cast<char>(0x80 | (c & 0x3F));
    out[0] = static_cast<char>((0xF00 >> length) | c);  // `length` high bits set
    return length;
}

}  // namespace

void PlatformMessageBox(const char* text, const char* caption) {
    BackendMessageBox(text, caption);
}

void PlatformSleep(int milliseconds) { BackendSleep(milliseconds); }

// The class name and title find the running copy on the device; a backend
// has one way of its own to find it (a lock, a browser's lock).
bool PlatformFindRunningCopy(const char*, const char*) { return BackendFindRunningCopy(); }

void PlatformBringRunningCopyForward() { BackendBringRunningCopyForward(); }

bool PlatformOpenSettingsKey(const char* keyPath) { return BackendOpenSettingsKey(keyPath); }

bool PlatformReadSettingsValue(const char* keyPath, const char* valueName, void* buffer,
                               size_t size) {
    return BackendReadSettingsValue(keyPath, valueName, buffer, size);
}

bool PlatformWriteSettingsValue(const char* keyPath, const char* valueName, const void* buffer,
                                size_t size) {
    return BackendWriteSettingsValue(keyPath, valueName, buffer, size);
}

// Cut at the last whole character that fits.
void PlatformSetClipboard(const wchar_t* text) {
    static char utf8[ClipboardCapacity];
    int length = 0;
    for (; *text; ++text) {
        char sequence[4];
        const int n = EncodeUtf8(static_cast<uint32_t>(*text), sequence);
        if (length + n > ClipboardCapacity - 1) break;
        for (int k = 0; k < n; ++k) utf8[length++] = sequence[k];
    }
    utf8[length] = 0;
    BackendSetClipboard(utf8);
}

void PlatformSaveScreen() { BackendSaveScreen(); }
