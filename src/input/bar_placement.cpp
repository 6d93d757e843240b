// Bar positions on a circle and strand positions on a square.
//
// Strands on a square: with m = n / 4 (integer part) every side carries m strands at spacing
// 2a/m, the four sides alike, so the pattern is symmetric under quarter turns. Pattern 1 starts
// each side at a corner; pattern 2 starts half a spacing from it, leaving the corners empty. The
// n - 4m strands left over go to the middles of the bottom, top and right sides, in that order;
// where a side already has a strand at its middle, the extra one moves half a spacing along it.
#include "input/bar_placement.h"

#include <cmath>

#include "model/model.h"

namespace {

constexpr double k_Pi = 3.141592653589793;
constexpr double k_Half_Sqrt_3 = 0.8660254037844386;   // sqrt(3)/2: the third bar of a bundle
constexpr double k_Max_Bar_Diameter = 100.0;           // a larger diameter is taken as 0

void Set_Bar(int s, int j, double x, double y) {
    g_Model.BarX[j][s] = x;
    g_Model.BarY[j][s] = y;
}

}  // namespace

int PlaceBarsOnCircle(int s, double D, double cover, double d, int n_groups, int per_group) {
    if (std::fabs(d) > k_Max_Bar_Diameter) d = 0.0;
    if (D < d || D <= 0.0 || cover <= 0.0) return 0;
    if (n_groups < 1 || n_groups > k_Max_Bars || per_group < 1 || per_group > 3) return 0;
    if (n_groups * per_group > k_Max_Bars) return 0;
    const double R = (D - d) / 2.0 - cover;
    if (R <= 0.0) return 0;
    // Two bars of a group stand side by side, touching, across the radius.
    const double beta = (d / R) / 2.0;
    int j = 0;
    for (int k = 1; k <= n_groups; ++k) {
        const double theta = (k - 1) * 2.0 * k_Pi / n_groups;
        if (per_group == 1) {
            // A single bar is centred in the section.
            if (n_groups == 1) {
                Set_Bar(s, ++j, 0.0, 0.0);
            } else {
                Set_Bar(s, ++j, R * std::cos(theta), R * std::sin(theta));
            }
            continue;
        }
        if (n_groups == 1) {
            Set_Bar(s, ++j, -d / 2.0, 0.0);
            Set_Bar(s, ++j, d / 2.0, 0.0);
        } else {
            Set_Bar(s, ++j, R * std::cos(theta - beta), R * std::sin(theta - beta));
            Set_Bar(s, ++j, R * std::cos(theta + beta), R * std::sin(theta + beta));
        }
        if (per_group == 3) {
            // The third bar of a bundle sits inside the pair, completing the triangle.
            const double r3 = R - k_Half_Sqrt_3 * d;
            Set_Bar(s, ++j, r3 * std::cos(theta), r3 * std::sin(theta));
        }
    }
    return j;
}

int PlaceStrandsOnSquare(int s, int pattern, double W, double cover, double ds, int n) {
    const double a = (W - ds) / 2.0 - cover;
    if (a <= 0.0 || n < 1 || n > k_Max_Bars || (pattern != 1 && pattern != 2)) return 0;
    const int m = n / 4;
    const double spacing = m > 0 ? 2.0 * a / m : 0.0;
    const double start = pattern == 1 ? 0.0 : 0.5;
    int j = 0;
    // Bottom side from the corner (-a, -a) toward +x; each next side is the quarter turn of it.
    for (int side = 0; side < 4; ++side) {
        for (int i = 0; i < m; ++i) {
            double x = -a + (i + start) * spacing;
            double y = -a;
            for (int turn = 0; turn < side; ++turn) {
                const double x_turned = -y;
                y = x;
                x = x_turned;
            }
            Set_Bar(s, ++j, x, y);
        }
    }
    // A side has a strand at its middle when (m/2 - start) is a whole number of spacings.
    const bool middle_taken = m > 0 && ((pattern == 1 && m % 2 == 0) || (pattern == 2 && m % 2 == 1));
    const double shift = middle_taken ? spacing / 2.0 : 0.0;
    const double extra_x[3] = {shift, -shift, a};
    const double extra_y[3] = {-a, a, shift};
    for (int e = 0; j < n; ++e) Set_Bar(s, ++j, extra_x[e], extra_y[e]);
    return -1;
}
