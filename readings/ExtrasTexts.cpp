#include "readings/ExtrasTexts.h"

#include "resources/Catalogue.h"

#include <cstdio>

namespace {

constexpr const char* Trees[TreeCount] = {
    "fir", "elm", "cypress", "poplar", "cedar", "pine", "weeping-willow", "lime", "oak",
    "hazelnut", "rowan", "maple", "walnut", "chestnut", "ash", "hornbeam", "fig", "birch",
    "apple", "olive", "beech"};

constexpr const char* Colours[ColourCount] = {
    "red", "orange", "yellow", "pink", "blue", "green", "brown", "aqua", "lime", "black",
    "purple", "navy", "silver", "white", "gold", "cream", "grey", "maroon", "teal", "olive"};

constexpr const char* Animals[ChineseSignCount] = {
    "dog", "pig", "rat", "ox", "tiger", "rabbit", "dragon", "snake", "horse", "goat",
    "monkey", "rooster"};

const wchar_t* Lookup(const char* catalogue, const char* name, const char* suffix) {
    char key[64];
    std::snprintf(key, sizeof key, "%s/%s%s", catalogue, name, suffix);
    return CatalogueText(key);
}

}  // namespace

const wchar_t* TreeReading(int tree) {
    return tree >= 1 && tree <= TreeCount ? Lookup("trees", Trees[tree - 1], "") : L"";
}

const wchar_t* ColourReading(int colour) {
    return colour >= 1 && colour <= ColourCount ? Lookup("colours", Colours[colour - 1], "") : L"";
}

const wchar_t* ChineseReading(int animal, int part) {
    if (animal < 0 || animal >= ChineseSignCount || (part != 1 && part != 2)) return L"";
    return Lookup("chinese", Animals[animal], part == 1 ? "-1" : "-2");
}
