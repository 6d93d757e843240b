// The LRFD performance table: after all combinations have been analysed, the largest moment of
// every pile section in every combination against the section's factored moment capacity.
#pragma once

// Factored moment capacity of section s in combination c: the combination's resistance factor
// for flexure times the plastic moment at the node of largest moment (elastic-plastic sections of
// shapes 1, 2, 3 and 6) or the nominal capacity of the section at the combination's thrust (all
// other sections with a capacity). Sets has_capacity false for an elastic section.
double Factored_Moment_Capacity(int c, int s, bool& has_capacity);

// One row of the performance table: combination c against section s.
struct LrfdPerformance {
    bool has_capacity;     // false for an elastic section, which has none
    double capacity;       // factored moment capacity (in-lb | kN-m)
    double max_moment;     // largest moment of the section in the combination, signed
    double max_shear;      // largest shear of the section in the combination, signed
    bool has_fraction;     // a capacity above 0 gives the fraction of it mobilized
    double fraction;       // max_moment / capacity
    bool failed;           // the capacity is not greater than the largest moment, or 0 or less
};
LrfdPerformance Lrfd_Performance_Of(int c, int s);

// Writes the performance table, one row per combination and section, and its closing line;
// records warning 400 for every failing pair. A pair fails when the factored capacity is not
// greater than the largest moment magnitude, and always when the factored capacity is 0 or
// less (its fraction is then shown as N/A). Returns the number of failing pairs.
int WriteLrfdPerformance();
