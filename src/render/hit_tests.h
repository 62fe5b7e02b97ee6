// Overlap tests used by menus (mouse over a button) and play (shots,
// creatures, the use prompt).
#pragma once

// 1 when the rectangles overlap; rectangles that only touch count.
int rectsoverlap(float x1, float y1, float w1, float h1, float x2, float y2, float w2, float h2);
// rectsoverlap with the second rectangle also tried one room loop (3,328 px)
// to either side.
int wrappedrectsoverlap(float x1, float y1, float w1, float h1, float x2, float y2, float w2, float h2);
// 1 when the centres are at most (r1 + r2) / 1.5 apart; radii below 8
// count as 8.
int circlesoverlap(float x1, float y1, float r1, float x2, float y2, float r2);
