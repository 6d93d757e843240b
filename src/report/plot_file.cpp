// Layouts and labels of the plot output file's records.
#include "report/plot_file.h"

#include <cassert>
#include <initializer_list>

#include "model/model.h"
#include "model/units.h"
#include "report/fortran_format.h"

namespace {

bool Is_US() { return g_Model.IUNITS == k_Units_US; }

void Write(const FortranRecord& r) { Write_Record(g_Model.PlotFile, r); }

// Values in E15.7, then the label from label_column: Lines 12, 13 and 14.
void Write_E_Values_Record(std::initializer_list<double> values, int label_column,
                           const char* label) {
    FortranRecord r;
    Start_Record(r);
    for (double v : values) Append_E(r, v, 15, 7);
    Tab_To(r, label_column);
    Append_Text(r, label);
    Write(r);
}

// An integer in I5 followed by 75 blanks and the label: Lines 2, 3, 6 and 11.
void Write_Count_Record(int n, const char* label) {
    FortranRecord r;
    Start_Record(r);
    Append_I(r, n, 5);
    Append_X(r, 75);
    Append_Text(r, label);
    Write(r);
}

const char* Line3_Label(int kind) {
    switch (kind) {
        case k_Tables_EI_Only: return "Line 3 : Total number of axial thrusts for EI-only computations";
        case k_Tables_LRFD: return "Line 3 : Total number of axial thrusts for LRFD";
        case k_Tables_Elastic: return "Line 3 : Total number of axial thrusts for elastic section";
        case k_Tables_Elastic_Plastic: return "Line 3 : Total number of axial thrusts for elastic-plastic section";
        case k_Tables_User_EI: return "Line 3 : Total number of axial thrusts for input M-EI section";
        default: return "Line 3 : Total number of axial thrusts";
    }
}

// The elastic SI label has its blank before the comma, as the front end has always read it.
const char* Line4_Label(int kind) {
    const bool us = Is_US();
    switch (kind) {
        case k_Tables_Elastic:
            return us ? "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                        "(in-kips) for linear EI pile at top of section"
                      : "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment Cap. "
                        "(kN-m) for linear EI pile at top of section";
        case k_Tables_Elastic_Plastic:
            return us ? "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                        "(in-kip) for elastic-plastic EI at top of section"
                      : "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. "
                        "(kN-m) for elastic-plastic EI at top of section";
        case k_Tables_User_EI:
            return us ? "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                        "(in-kips) for input M-EI pile, Section "
                      : "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. "
                        "(kN-m) for input M-EI pile, Section ";
        default:
            return us ? "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                        "(in-kips), Section "
                      : "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. "
                        "(kN-m), Section ";
    }
}

// The elastic-plastic US label names pound units, the elastic and nonlinear ones kip units.
const char* Line5_Label(int kind) {
    const bool us = Is_US();
    switch (kind) {
        case k_Tables_Elastic:
            return us ? "Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#="
                      : "Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=";
        case k_Tables_Elastic_Plastic:
            return us ? "Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#="
                      : "Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=";
        case k_Tables_User_EI:
            return "Line 5 : Moment, EI, Curvature for Sect#=";
        default:
            return us ? "Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#="
                      : "Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=";
    }
}

}  // namespace

void Write_Line1_Record() {
    const AnalysisModel& m = g_Model;
    FortranRecord r;
    Start_Record(r);
    Append_I(r, m.i_Analysis_Type, 5);
    Append_I(r, m.IUNITS, 5);
    Append_I(r, m.KYL, 5);
    Append_I(r, m.b_ComputeKmatrix != 0 ? 1 : 0, 5);
    Append_X(r, 60);
    Append_Text(r, "Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F");
    Write(r);
}

void Write_Line2_Record() { Write_Count_Record(g_Model.NumSections, "Line 2 : Total number of sections"); }

void Write_Line3_Record(int kind, int thrusts) { Write_Count_Record(thrusts, Line3_Label(kind)); }

void Write_Line4_Record(int kind, int points, double thrust, double capacity, int s) {
    FortranRecord r;
    Start_Record(r);
    Append_I(r, points, 5);
    Append_X(r, 10);
    Append_E(r, thrust, 15, 7);
    Append_E(r, capacity, 15, 7);
    Tab_To(r, 81);
    Append_Text(r, Line4_Label(kind));
    const bool numbered = kind != k_Tables_Elastic && kind != k_Tables_Elastic_Plastic;
    if (numbered) Append_I(r, s, 0);
    Write(r);
}

void Write_Line5_Record(int kind, double M, double EI, double phi, int s, int a, int k) {
    FortranRecord r;
    Start_Record(r);
    Append_E(r, M, 15, 7);
    Append_E(r, EI, 15, 7);
    Append_E(r, phi, 15, 7);
    Tab_To(r, 81);
    Append_Text(r, Line5_Label(kind));
    Append_I(r, s, 0);
    Append_Text(r, ", AxLd#=");
    Append_I(r, a, 0);
    Append_Text(r, ", CurvPnt#=");
    Append_I(r, k, 0);
    Write(r);
}

// ---- p-y curve records ----

namespace {

// Labels of the p-y curve records, by kind. The soft clay with J label puts "points" before
// "p-y", as the front end has always read it.
struct PYCurveLabels {
    const char* depth;   // Line 7
    const char* point;   // Line 8, after "): y, p, for "
    bool narrow;         // Line 8 in 20X and I2 rather than 50X and I0
};

constexpr PYCurveLabels k_PY_Curve_Labels[k_Num_PY_Curve_Kinds + 1] = {
    {"Line 7:  p-y curve depth, no. p-y points", "", false},
    {"Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. ", "soft clay", false},
    {"Line 7:  p-y curve depth in soft clay with J, no. points on p-y curve no. ", "API soft clay",
     false},
    {"Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on curve no. ",
     "static stiff clay with free water", false},
    {"Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on curve no. ",
     "cyclic stiff clay with free water", false},
    {"Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. ",
     "stiff clay w/o water", false},
    {"Line 7:  p-y curve depth in stiff clay w/o free water with k, no. p-y points on curve no. ",
     "stiff clay with k", false},
    {"Line 7:  p-y curve depth in sand, no. p-y points on curve no. ", "sand", false},
    {"Line 7:  p-y curve depth in API sand, no. p-y points on curve no. ", "API sand", false},
    {"Line 7:  p-y curve depth in liquefied sand, no. p-y points on curve no. ", "liquefied sand",
     true},
    {"Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. ",
     "elastic subgrade", false},
    {"Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on curve no. ",
     "user-input p-y curve", true},
    {"Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. ",
     "cemented c-phi", false},
    {"Line 7:  p-y curve depth in cemented silt (m), no. p-y points on curve no. ",
     "cemented c-phi", false},
    {"Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. ",
     "Piedmont residual soil", false},
    {"Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. ",
     "Loess", false},
    {"Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. ", "weak rock", false},
    {"Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. ",
     "vuggy limestone rock", false},
};

}  // namespace

void Write_Line6_Record(int curves) {
    Write_Count_Record(curves, "Line 6 : number of output p-y curves");
}

void Write_Line7_Record(int kind, double depth, int points, int curve_number) {
    assert(kind >= 0 && kind <= k_Num_PY_Curve_Kinds);
    FortranRecord r;
    Start_Record(r);
    Append_E(r, depth, 15, 7);
    Append_I(r, points, 5);
    Append_X(r, 60);
    Append_Text(r, k_PY_Curve_Labels[kind].depth);
    if (kind != k_PY_Curve_None) Append_I(r, curve_number, 0);
    Write(r);
}

void Write_Line8_Record(int kind, double y, double p, int j) {
    assert(kind > k_PY_Curve_None && kind <= k_Num_PY_Curve_Kinds);
    const PYCurveLabels& labels = k_PY_Curve_Labels[kind];
    FortranRecord r;
    Start_Record(r);
    Append_E(r, y, 15, 7);
    Append_E(r, p, 15, 7);
    Append_X(r, labels.narrow ? 20 : 50);
    Append_Text(r, "Line 8(");
    Append_I(r, j, labels.narrow ? 2 : 0);
    Append_Text(r, "): y, p, for ");
    Append_Text(r, labels.point);
    Write(r);
}

void Write_Line9_Record() {
    const AnalysisModel& m = g_Model;
    FortranRecord r;
    Start_Record(r);
    Append_I(r, m.b_UseLRFD != 0 ? m.NumLrfdCombinations : m.NumLoadCases, 5);
    Append_I(r, m.NumNodes, 5);
    Append_I(r, m.IUNITS, 5);
    Append_X(r, 65);
    Append_Text(r, "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI");
    Write(r);
}

void Write_Line10_Record(int k, double y, double M, double V, double p) {
    const AnalysisModel& m = g_Model;
    FortranRecord r;
    Start_Record(r);
    const double values[6] = {m.XNode[k], y, M, V, p, m.EI_Node[k]};
    for (double v : values) Append_E(r, v, 15, 7);
    Tab_To(r, 92);
    Append_Text(r, "Line 10(");
    Append_I(r, k, 3);
    Append_Text(r, "): nodal depth, y, M, V, p, EI");
    Write(r);
}

void Write_Line11_No_Study_Record(int lc) {
    FortranRecord r;
    Start_Record(r);
    Append_I(r, 0, 5);
    Append_X(r, 75);
    Append_Text(r, g_Model.b_UseLRFD != 0 ? "Line 11: Num. points on Ytop vs. Length curve for LRFD load case "
                                          : "Line 11: Num. points on Ytop vs. Length curve for load case ");
    Append_I(r, lc, 0);
    Write(r);
}

void Write_Line11_Study_Record(int lc) {
    FortranRecord r;
    Start_Record(r);
    Append_I(r, g_Model.i_LengthStudyPoints[lc], 5);
    Append_X(r, 75);
    Append_Text(r, "Line 11: Num. points on Ytop vs. pile length curve for load case ");
    Append_I(r, lc, 0);
    Write(r);
}

void Write_Line12_Record(int lc, int j) {
    const AnalysisModel& m = g_Model;
    Write_E_Values_Record(
        {m.rd_StudyPileLength[j][lc], m.rd_StudyHeadDeflection[j][lc], m.rd_StudyMaxMoment[j][lc],
         m.rd_StudyMaxShear[j][lc]},
        81, Is_US() ? "Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)"
                    : "Line 12: pile length (m), Ytop (m), Mmax (kN-m), Vmax (kN)");
}

void Write_Line13_Record(int lc) {
    const AnalysisModel& m = g_Model;
    // the SI label has no comma after TopV(kN); it is kept as the front end reads it
    Write_E_Values_Record(
        {m.rd_CaseHeadShear[lc], m.rd_CaseHeadDeflection[lc], m.rd_CaseMaxMoment[lc],
         m.rd_CaseMaxShear[lc], m.rd_CaseHeadSlope[lc]},
        81, Is_US() ? "Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)"
                    : "Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)");
}

void Write_Line14_Record(int i) {
    const AnalysisModel& m = g_Model;
    const int j = k_Num_Stiffness_Rows + i;
    // the label follows the eighth value directly
    Write_E_Values_Record({m.rd_StiffnessHeadShear[i], m.rd_StiffnessHeadMoment[j], m.rd_K22[i],
                           m.rd_K23[i], m.rd_K32[i], m.rd_K33[i], m.rd_StiffnessHeadDeflection[i],
                           m.rd_StiffnessHeadSlope[j]},
                          121, "  Line 14: V, M, K22, K23, K32, K33, ytop, theta");
}
