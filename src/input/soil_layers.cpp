// ReadSoilLayers: layers, their soil type numbers and the property lines each soil type carries.
// Values are stored as input (feet, psf, pcf in US customary runs); the one-time conversion to
// inches and pounds belongs to the unit conversion after the input echo. Consistency of the
// profile is checked later by the input checks and the p-y criteria, not here.
//
// SOIL LAYERS: count, then per layer: soil type number  top  bottom, then a top and a bottom
// property line whose values depend on the soil type (user p-y layers add their point lines).
#include "input/soil_layers.h"

#include <cstdio>

#include "engine/messages.h"
#include "input/input_errors.h"
#include "input/line_reader.h"
#include "model/model.h"
#include "model/soil_types.h"

namespace {

// One user-input p-y curve: the line with unit weight and the number of points, then the
// points y, p, one per line. k is the strength point of the curve.
void Read_User_PY_Curve(int L, int k, bool top) {
    AnalysisModel& m = g_Model;
    int n = m.NumUserPYPoints[k];
    Read_Data_Line({Real_Item(m.UnitWeightAtPoint[k]), Int_Item(n)});
    if (m.ErrorStatus != 0) return;
    char what[96];
    std::snprintf(what, sizeof what, "points of the user-input p-y curve at the %s of soil layer %d",
                  top ? "top" : "bottom", L);
    if (!Check_Count(what, n, 0, k_Max_User_PY_Points)) return;
    m.NumUserPYPoints[k] = n;
    m.UserPYDepth[k] = top ? m.XLayerTop[L] : m.XLayerBottom[L];
    for (int j = 1; j <= n; ++j) {
        Read_Data_Line({Real_Item(m.UserPY_y[j][k]), Real_Item(m.UserPY_p[j][k])});
        if (m.ErrorStatus != 0) return;
    }
}

// The property line of layer L at its top (strength point 2L - 1) or bottom (2L).
void Read_Property_Line(int L, bool top) {
    AnalysisModel& m = g_Model;
    const int k = top ? 2 * L - 1 : 2 * L;
    double& gamma = m.UnitWeightAtPoint[k];
    double& strength = m.StrengthAtPoint[k];
    double& eps50 = m.Epsilon50AtPoint[k];
    double& phi = m.FrictionAngleAtPoint[k];
    // k of the layer is stored per layer, not per strength point; weak rock keeps Eir there.
    double& subgrade = top ? m.LayerKTop[L] : m.LayerKBottom[L];
    switch (m.i_SoilLayer_py_Type[L]) {
        case k_Soil_SoftClay:
        case k_Soil_StfClyAW:
            Read_Data_Line({Real_Item(gamma), Real_Item(strength), Real_Item(eps50)});
            break;
        case k_Soil_SoftClyJ:
            Read_Data_Line({Real_Item(gamma), Real_Item(strength), Real_Item(eps50),
                            Real_Item(m.JAtPoint[k])});
            break;
        case k_Soil_StfClyBW:
        case k_Soil_StfClyAK:
            Read_Data_Line({Real_Item(gamma), Real_Item(strength), Real_Item(eps50),
                            Real_Item(subgrade)});
            break;
        case k_Soil_Sand:
        case k_Soil_APISand:
            Read_Data_Line({Real_Item(gamma), Real_Item(phi), Real_Item(subgrade)});
            break;
        case k_Soil_LiqSand:
            Read_Data_Line({Real_Item(gamma)});
            break;
        case k_Soil_WeakRock:
            // k_rm of weak rock lives in the eps50 column.
            Read_Data_Line({Real_Item(gamma), Real_Item(strength), Real_Item(subgrade),
                            Real_Item(m.RQDAtPoint[k]), Real_Item(eps50)});
            break;
        case k_Soil_VuggyLS:
            Read_Data_Line({Real_Item(gamma), Real_Item(strength)});
            break;
        case k_Soil_Piedmont:
            Read_Data_Line({Real_Item(gamma), Int_Item(m.FieldTestTypeAtPoint[k]),
                            Real_Item(m.SPTN60AtPoint[k]), Real_Item(m.ConeTipResistanceAtPoint[k]),
                            Real_Item(m.DilatometerModulusAtPoint[k]),
                            Real_Item(m.PressuremeterModulusAtPoint[k])});
            break;
        case k_Soil_CemSilt:
            Read_Data_Line({Real_Item(gamma), Real_Item(strength), Real_Item(phi), Real_Item(eps50),
                            Real_Item(subgrade)});
            break;
        case k_Soil_KSLoess:
            Read_Data_Line({Real_Item(gamma), Real_Item(m.ConeTipResistanceAtPoint[k])});
            break;
        case k_Soil_ElastSG:
            Read_Data_Line({Real_Item(gamma), Real_Item(m.ElasticSubgradeAtPoint[k])});
            break;
        case k_Soil_UserPY:
            Read_User_PY_Curve(L, k, top);
            break;
        case k_Soil_MassRock:
            Read_Data_Line({Real_Item(gamma), Real_Item(m.IntactRockStrengthAtPoint[k]),
                            Int_Item(m.RockTypeAtPoint[k]), Real_Item(m.GSIAtPoint[k]),
                            Real_Item(m.MassRockExtraAtPoint[k])});
            break;
        default:
            // Frozen soil and the undefined types carry no property lines.
            break;
    }
}

// The layer line of layer L and its property lines.
void Read_Layer(int L) {
    AnalysisModel& m = g_Model;
    Read_Data_Line({Int_Item(m.i_SoilLayer_py_Type[L]), Real_Item(m.XLayerTop[L]),
                    Real_Item(m.XLayerBottom[L])});
    if (m.ErrorStatus != 0) return;
    m.i_LayerInputLine[L] = m.i_InputLineNumber;
    const int type = m.i_SoilLayer_py_Type[L];
    if (type < 1 || type > k_Num_Soil_Types) {
        Raise_Code_Out_Of_Range({"Soil layer", "soil layer", "soil type number", "valid range of 1 to 20",
                                 "from 1 to 20"},
                                L, type);
        return;
    }
    Read_Property_Line(L, true);
    if (m.ErrorStatus != 0) return;
    Read_Property_Line(L, false);
    if (m.ErrorStatus != 0) return;
    m.XSoilPoint[2 * L - 1] = m.XLayerTop[L];
    m.XSoilPoint[2 * L] = m.XLayerBottom[L];
    m.XUnitWeightPoint[2 * L - 1] = m.XLayerTop[L];
    m.XUnitWeightPoint[2 * L] = m.XLayerBottom[L];
}

}  // namespace

void ReadSoilLayers() {
    AnalysisModel& m = g_Model;
    Write_Message_Line("Reading soil layering data");
    int n = m.i_Number_of_Layers;
    if (!Read_Int_Value(n)) return;
    if (n <= 0) {
        m.i_Number_of_Layers = 0;
        m.NumStrengthPoints = 0;
        m.NumUnitWeightPoints = 0;
        return;
    }
    if (!Check_Count("soil layers", n, 0, k_Max_Layers)) return;
    m.i_Number_of_Layers = n;
    if (!Read_Entries(n, Read_Layer)) return;
    m.NumStrengthPoints = 2 * n;
    m.NumUnitWeightPoints = 2 * n;
    // The top of the first layer is the ground surface; above the pile head it is negative.
    m.XGroundSurface = m.XLayerTop[1];
}
