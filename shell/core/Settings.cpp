#include "shell/core/Settings.h"

#include "platform/Platform.h"

#include <cstring>

namespace {

constexpr const char* CannotRead = "Cannot read values";

void PutInt32(int offset, int32_t value) {
    for (int i = 0; i < 4; ++i)
        SettingsBlob[offset + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
}

void ApplyCreationValues() {
    PutInt32(4, 0);
    PutInt32(32, 7);
    SettingsBlob[39] = 0;
    SettingsBlob[38] = 0;
    SettingsBlob[0] = 1;
}

}  // namespace

void LoadSettings() {
    if (!PlatformOpenSettingsKey(SettingsKeyPath)) PlatformMessageBox(CannotRead, nullptr);
    // A missing or unreadable value leaves the record as it was (zero).
    uint8_t stored[SettingsSize];
    if (PlatformReadSettingsValue(SettingsKeyPath, SettingsValueName, stored, SettingsSize))
        std::memcpy(SettingsBlob, stored, SettingsSize);
    if (SettingsBlob[0] == 0) ApplyCreationValues();
}

void SaveSettings() {
    // A failed write is reported like a key that cannot be opened, so the
    // user is never told nothing while the record was not kept. The store
    // also refuses to replace a record it could not read at start.
    if (!PlatformOpenSettingsKey(SettingsKeyPath) ||
        !PlatformWriteSettingsValue(SettingsKeyPath, SettingsValueName, SettingsBlob, SettingsSize))
        PlatformMessageBox(CannotRead, nullptr);
}
