// The one saved record: 40 bytes under the user's settings key.
#pragma once

#include "shell/core/State.h"

constexpr const char* SettingsKeyPath = "Software\\Tessaline\\Corvanta\\Stellarion";
constexpr const char* SettingsValueName = "GameValues";

// Once at start-up: read the record, or give it its creation values.
void LoadSettings();
// On the main menu's exit: write the record back.
void SaveSettings();
