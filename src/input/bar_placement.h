// Generated positions of the bars and strands of a pile section: bars (or strands) on a circle
// and strands on the sides of a square. The input reader places them as soon as a section's
// reinforcement is read: the positions are part of the problem, like bars given one by one.
// Positions are in section coordinates (x across, y toward the compression face, origin at the
// centroid).
#pragma once

// Places n_groups groups of per_group bars (1, 2 or 3) of diameter d on a circle inside a
// section of diameter D with the given cover; writes BarX and BarY of section s for bars
// 1 .. n_groups * per_group. Returns the number of bars placed: 0 when the data leave no room
// (D < d, D <= 0, cover <= 0, n_groups outside 1..300, per_group outside 1..3, or no positive
// radius), and then no position is written.
int PlaceBarsOnCircle(int s, double D, double cover, double d, int n_groups, int per_group);

// Places n strands of diameter ds on the sides of a square of half side a = (W - ds)/2 - cover in
// a section of width W, pattern 1 (a strand at every corner) or 2 (strands half a spacing off the
// corners); writes BarX and BarY of section s for strands 1 .. n. Returns -1 when the strands were
// placed and 0 when nothing was placed (a <= 0, n outside 1..300, another pattern).
int PlaceStrandsOnSquare(int s, int pattern, double W, double cover, double ds, int n);
