// The rating rows shared by the compatibility report and the forecast: a
// red label line such as "Love: (7 out of 10)" and ten symbols, the first N
// of them full.
#pragma once

struct DeviceContext;

// Variants 1 Relationship, 2 Sex or Love, 3 Life, 5 Loot, 6 Luck draw one row
// for `rating`; 4 (the compatibility outcome) and 7 (the forecast outcome)
// draw every stored rating and ignore `rating`.
void DrawRatingRow(DeviceContext* dc, int variant, int rating);
