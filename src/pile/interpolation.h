// The straight-line law shared by the section and soil property tables: the value at x on the
// line through (x0, v0) and (x1, v1), evaluated in this order, (x - x0) * (v1 - v0) / (x1 - x0),
// so that every table lookup rounds alike. The caller guarantees x1 != x0.
#pragma once

inline double Interpolate_Linear(double x, double x0, double v0, double x1, double v1) {
    return v0 + (x - x0) * (v1 - v0) / (x1 - x0);
}
