// Equivalent depth for layered soils: the depth at which a uniform soil with the properties of
// the current layer would have built up the integral of ultimate resistance that the layers
// above actually built (Fu_Layer), and the depth for ultimate resistance that the clay, sand
// and cemented silt criteria take from it.
#pragma once

// What a criterion has computed at its layer's first node and hands to ComputeEquivalentTop.
struct EquivalentTopInputs {
    double b;       // pile width
    double c;       // cohesion at the node
    double ca;      // the criterion's average cohesion (equals c at a layer's first node)
    double gamma;   // average effective unit weight
    double J;       // soft clay J (0.5 for "SoftClay")
    double phi;     // friction angle (radians)
    double alpha;   // phi / 2
    double beta;    // pi/4 + phi/2
    double K0;
    double Ka;
    double Kp;
    double zg;      // depth of the node below the ground surface
    bool cyclic;
};

// The inputs of a clay criterion: pile width b, cohesion c, the criterion's average cohesion ca,
// unit weight, J (0 for the criteria without it), depth below the ground zg and loading.
EquivalentTopInputs Clay_Top_Inputs(double b, double c, double ca, double gamma, double J,
                                    double zg, bool cyclic);

// The equivalent depth of the top of a layer of the given soil type under resistance Fa from
// the layers above. Returns false (and leaves top) for soil types that take no part.
bool Equivalent_Top_For(int soil_type, double Fa, const EquivalentTopInputs& in, double& top);

// For layer L >= 2: zeroes the negligible Fu_Layer values above (not those of liquefied sand),
// sums them to Fa and stores XEquivalentTop(L).
void ComputeEquivalentTop(int L, const EquivalentTopInputs& in);

// Depth for ultimate resistance of a node at soil depth z in layer L, for the criteria that use
// the equivalent depth. In normal mode (print false) at the layer's first node (first_node true)
// it first updates XEquivalentTop(L) (for "Sand    " only while none has been computed); in
// print mode it uses the values the first load case left.
double Depth_For_Ultimate_Resistance(int L, double z, bool first_node, bool print,
                                     const EquivalentTopInputs& in);
