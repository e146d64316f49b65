// The love compatibility catalogue and its rating tables.
#pragma once

// Ratings 1 … 10 by [I am sign][lover sign], SignIndex order, row and column
// 0 unused. The tables are not symmetric.
extern const int RelationshipRatings[13][13];
extern const int SexRatings[13][13];
extern const int LifeRatings[13][13];

// The reading of page 1 (Relationship), 2 (Sex), 3 (Life) or 4 (closing)
// for the ordered pair; an empty text for any other combination.
const wchar_t* PairText(int mySign, int page, int loverSign);
