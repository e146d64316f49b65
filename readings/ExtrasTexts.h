// The readings of the extras: trees, birthday colours and Chinese signs.
#pragma once

constexpr int TreeCount = 21, ColourCount = 20, ChineseSignCount = 12;

// Tree 1 … 21 in the order Fir, Elm, Cypress, Poplar, Cedar, Pine, Weeping
// Willow, Lime, Oak, Hazelnut, Rowan, Maple, Walnut, Chestnut, Ash,
// Hornbeam, Fig, Birch, Apple, Olive, Beech.
const wchar_t* TreeReading(int tree);
// Colour 1 … 20 in the order Red, Orange, Yellow, Pink, Blue, Green, Brown,
// Aqua, Lime, Black, Purple, Navy, Silver, White, Gold, Cream, Grey, Maroon,
// Teal, Olive.
const wchar_t* ColourReading(int colour);
// Animal 0 … 11 in the order of the cycle from 1910: Dog, Pig, Rat, Ox,
// Tiger, Rabbit, Dragon, Snake, Horse, Goat, Monkey, Rooster; part 1 or 2.
const wchar_t* ChineseReading(int animal, int part);
