// The one saved record: 40 bytes under the user's settings key.
#pragma once

#include <cstdint>

constexpr const char* SettingsKeyPath = "Software\\Tessaline\\Corvanta\\Stellarion";
constexpr const char* SettingsValueName = "GameValues";
constexpr int SettingsSize = 40;

// Held in memory for the whole run; zero until loaded.
extern uint8_t SettingsBlob[SettingsSize];

// Once at start-up: read the record, or give it its creation values.
void LoadSettings();
// On the main menu's exit: write the record back.
void SaveSettings();
