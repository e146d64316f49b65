// The margin round the device screen, where a window or a page is larger
// than the screen: it continues the screen's own edges instead of a flat
// band, so that a light page gets light margins and no seam shows where the
// screen meets them. Each side takes, beside every edge pixel, the median of
// that pixel's run along the edge (MarginReach either way, cut short at the
// corners), so that a pixel drawn alone (a star, a letter's stem, a rule's
// end) does not streak across the margin while flat colours and gradients
// continue exactly. The corners take the top and bottom edges' ends. Both
// the desktop window and the web page draw their margins from these colours.
#pragma once

#include <cstdint>

enum ScreenEdge : int { EdgeTop, EdgeBottom, EdgeLeft, EdgeRight };

// Edge pixels a margin colour depends on, on either side of its own.
constexpr int MarginReach = 4;

// Margin colours (0x00RRGGBB) beside the edge pixels [first, last) of one
// edge of `pixels` (width x height, row-major, 0x00RRGGBB) into out[0 ..
// last - first): indices run left to right along the top and bottom, top to
// bottom along the left and right.
void MarginColours(const uint32_t* pixels, int width, int height, ScreenEdge edge, int first, int last,
                   uint32_t* out);
