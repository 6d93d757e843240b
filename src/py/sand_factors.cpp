// Reese sand factor tables; every value is a single-precision number widened to double.
#include "py/sand_factors.h"

namespace {

// Widening float literals gives exactly the single-precision values of the published tables.
constexpr double k_Ratios[k_Sand_Table_Points + 1] = {0, 0.0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0};
constexpr double k_Rows[4][k_Sand_Table_Points + 1] = {
    {0, 2.83f, 2.48f, 2.11f, 1.76f, 1.48f, 1.23f, 1.06f, 0.90f, 0.88f, 0.88f},   // A static
    {0, 2.14f, 1.83f, 1.54f, 1.27f, 1.05f, 0.86f, 0.71f, 0.53f, 0.50f, 0.50f},   // B static
    {0, 0.75f, 0.93f, 1.07f, 1.11f, 1.03f, 0.98f, 0.94f, 0.90f, 0.88f, 0.88f},   // A cyclic
    {0, 0.53f, 0.72f, 0.83f, 0.86f, 0.82f, 0.77f, 0.70f, 0.55f, 0.55f, 0.55f},   // B cyclic
};

}  // namespace

const double* Sand_Table_Ratios() { return k_Ratios; }

const double* Sand_Table_Row(SandFactorRow row) { return k_Rows[row]; }

double TableAtRatio(double a, double b, const double* X, const double* Y) {
    const double r = a / b;
    if (r > X[k_Sand_Table_Points]) return Y[k_Sand_Table_Points];
    int i = 2;
    while (i < k_Sand_Table_Points && !(X[i] > r)) ++i;
    return Y[i - 1] + (r - X[i - 1]) * (Y[i] - Y[i - 1]) / (X[i] - X[i - 1]);
}

double Sand_Factor(double zu, double b, bool cyclic, bool factor_b) {
    const SandFactorRow row = cyclic ? (factor_b ? k_Sand_B_Cyclic : k_Sand_A_Cyclic)
                                     : (factor_b ? k_Sand_B_Static : k_Sand_A_Static);
    return TableAtRatio(zu, b, k_Ratios, k_Rows[row]);
}
