// The section model of an input section type.
#include "model/section_types.h"

#include "model/model.h"

int Section_Model_Of(int s) {
    const int type = g_Model.SectionType[s];
    const bool chamfered = g_Model.ChamferWidth[s] != 0.0;
    switch (type) {
        case k_Section_Rectangular: return k_Model_Rectangle;
        case k_Section_Shaft: return k_Model_Round;
        case k_Section_Cased: return k_Model_Cased;
        case k_Section_Cased_Core: return k_Model_Cased_Core;
        case k_Section_Pipe: return k_Model_Pipe;
        case k_Section_Circular_Solid: return k_Model_Round;
        case k_Section_Circular_Hollow: return k_Model_Round_Core;
        case k_Section_Square_Solid: return chamfered ? k_Model_Polygon : k_Model_Rectangle;
        case k_Section_Square_Hollow: return chamfered ? k_Model_Polygon_Voids : k_Model_Rectangle_Core;
        case k_Section_Octagonal_Solid: return k_Model_Polygon;
        case k_Section_Octagonal_Hollow: return k_Model_Polygon_Voids;
        case k_Section_Micropile: return k_Model_Micropile;
        default: return k_Model_None;
    }
}

bool Is_Prestressed_Type(int type) {
    return type >= k_Section_Circular_Solid && type <= k_Section_Octagonal_Hollow;
}
