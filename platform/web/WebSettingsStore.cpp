// The per-user settings store in a browser: the page's local storage, one
// item per value, named by the key path and the value name
// ("Software\...\Stellarion\GameValues"), holding the bytes as hexadecimal
// text. Anything that does not decode to exactly the expected size is not
// this record and counts as absent.
#include "platform/Backend.h"
#include "platform/web/HexRecord.h"

#include <emscripten.h>

#include <string>

namespace {

// 1 when the page may use its local storage (a browser can refuse it).
EM_JS(int, StorageUsable, (), {
    try {
        return window.localStorage ? 1 : 0;
    } catch (e) {
        return 0;
    }
});

// Copies the item's text into out (at most capacity bytes with the
// terminator); its length, or -1 when it is missing, unreadable or too long.
EM_JS(int, StorageRead, (const char* name, char* out, int capacity), {
    try {
        const value = window.localStorage.getItem(UTF8ToString(name));
        if (value === null || lengthBytesUTF8(value) + 1 > capacity) return -1;
        stringToUTF8(value, out, capacity);
        return lengthBytesUTF8(value);
    } catch (e) {
        return -1;
    }
});

// 1 when the item was stored (a full or refused storage throws).
EM_JS(int, StorageWrite, (const char* name, const char* value), {
    try {
        window.localStorage.setItem(UTF8ToString(name), UTF8ToString(value));
        return 1;
    } catch (e) {
        return 0;
    }
});

constexpr size_t MaxValueSize = 64;

std::string ItemName(const char* keyPath, const char* valueName) {
    return std::string(keyPath) + "\\" + valueName;
}

}  // namespace

bool BackendOpenSettingsKey(const char*) { return StorageUsable() != 0; }

bool BackendReadSettingsValue(const char* keyPath, const char* valueName, void* buffer,
                               size_t size) {
    if (size > MaxValueSize) return false;
    char text[2 * MaxValueSize + 2];
    const int length = StorageRead(ItemName(keyPath, valueName).c_str(), text, sizeof text);
    return length >= 0 && DecodeHexRecord(text, static_cast<size_t>(length), static_cast<unsigned char*>(buffer), size);
}

bool BackendWriteSettingsValue(const char* keyPath, const char* valueName,
                                const void* buffer, size_t size) {
    if (size > MaxValueSize) return false;
    const std::string text = EncodeHexRecord(static_cast<const unsigned char*>(buffer), size);
    return StorageWrite(ItemName(keyPath, valueName).c_str(), text.c_str()) != 0;
}
