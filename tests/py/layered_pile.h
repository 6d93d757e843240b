// A small pile and soil profile for the criterion tests: a pile of constant width with equally
// spaced nodes from the pile head, and soil layers added one below the other with the values
// at their tops and bottoms, as the soil layer input stores them.
#pragma once

#include "model/model.h"
#include "model/units.h"
#include "pile/discretization.h"

struct LayerValues {
    double gamma;      // effective unit weight (internal units)
    double strength;   // cohesion c
    double eps50;
    double J;
    double phi;        // degrees
};

// A pile of width b and the given length in `units`, with nodes every length / (nodes - 1).
inline void Set_Up_Pile(int units, double b, double length, int nodes) {
    AnalysisModel& m = g_Model;
    m.IUNITS = units;
    Set_Unit_Labels();
    m.rd_PileLengthAnalysed = length;
    m.NumSectionPoints = 2;
    m.XSectionPoint[1] = 0.0;
    m.XSectionPoint[2] = length;
    m.SectionPointD[1] = m.SectionPointD[2] = b;
    m.NumNodes = nodes;
    m.NumIncrements = nodes - 1;
    m.IncrementLength = length / (nodes - 1);
    for (int k = 1; k <= nodes; ++k) m.XNode[k] = m.ZNode[k] = (k - 1) * m.IncrementLength;
}

// Appends a layer of soil type `type` from top to bottom; k_top and k_bottom are its subgrade
// moduli. Call Assign_Layers once every layer is in.
inline void Add_Layer(int type, double top, double bottom, const LayerValues& at_top,
                      const LayerValues& at_bottom, double k_top = 0.0, double k_bottom = 0.0) {
    AnalysisModel& m = g_Model;
    const int L = ++m.i_Number_of_Layers;
    m.i_SoilLayer_py_Type[L] = type;
    m.rd_LayerTop[L] = top;
    m.XLayerBottom[L] = bottom;
    m.LayerKTop[L] = k_top;
    m.LayerKBottom[L] = k_bottom;
    const LayerValues* values[2] = {&at_top, &at_bottom};
    for (int i = 0; i < 2; ++i) {
        const int p = 2 * L - 1 + i;
        m.XSoilPoint[p] = m.XUnitWeightPoint[p] = i == 0 ? top : bottom;
        m.UnitWeightAtPoint[p] = values[i]->gamma;
        m.StrengthAtPoint[p] = values[i]->strength;
        m.Epsilon50AtPoint[p] = values[i]->eps50;
        m.JAtPoint[p] = values[i]->J;
        m.FrictionAngleAtPoint[p] = values[i]->phi;
    }
    m.NumStrengthPoints = m.NumUnitWeightPoints = 2 * L;
    m.XGroundSurface = m.rd_LayerTop[1];
}

inline void Assign_Layers() { AssignNodesToLayers(g_Model.NumNodes); }
