// The analysis model: the single process-wide store of one run. It holds the problem as read
// from the input data file, the values derived from it, the per-node work arrays and the
// results. Every subsystem reads and writes it; nothing else passes between subsystems.
// Initialize_Model puts it into its initial state at the start of every call of the engine.
//
// The initial state is all-zero bytes, apart from the few values Initialize_Model sets after
// clearing (the soil type code table, the "none yet" equivalent layer tops). The first call of a
// process trusts the zeroed static storage, so nothing may write the model before it (the
// engine calls Initialize_Model first, the tests in their fixture's SetUp). A later call clears
// every byte of the model whole, whatever field it belongs to, except the five largest tables
// (the user M-EI tables and the bending-stiffness tables, 2.5 MB each), which it clears only
// up to the rows the previous call's counts allow; pages the process was never given (no call
// touched them) are zero already and are left alone. So:
// - A new field needs nothing: it is cleared whole. If its initial value is not zero bytes,
//   Initialize_Model sets it.
// - A writer of MEIMoment or MEIStiffness stays within the point count i_NumMEIPoints stored
//   before the points are read; a writer of rd_TableMoment, rd_TableEI or rd_TableCurvature
//   within sections 1 to NumSections. Model tests run every example and runs that stop half
//   way, and check that nothing is left after Initialize_Model.
// - A new table of megabytes is cleared whole until it is given its rows in Initialize_Model.
//
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>

#include "model/capacities.h"

// The report and the plot file are written in blocks of this size (the plot file of an ordinary
// problem is some hundreds of kilobytes); the message file keeps the library's own buffering.
constexpr std::size_t k_Output_Buffer_Bytes = 1 << 14;

// Columns of the node table a case keeps for callers, at every node from the pile head down.
constexpr int k_Node_Depth = 0;              // depth along the pile (in | m)
constexpr int k_Node_Deflection = 1;         // (in | m)
constexpr int k_Node_Slope = 2;              // (radians)
constexpr int k_Node_Moment = 3;             // (in-lb | kN-m)
constexpr int k_Node_Shear = 4;              // (lbs | kN)
constexpr int k_Node_Soil_Reaction = 5;      // p (lb/in | kN/m)
constexpr int k_Node_Soil_Modulus = 6;       // secant Es (lb/in2 | kPa)
constexpr int k_Node_Soil_Spring = 7;        // Es h, half of it at the head and the tip (lb/in | kN/m)
constexpr int k_Node_Bending_Stiffness = 8;  // EI (lb-in2 | kN-m2)
constexpr int k_Node_Distributed_Load = 9;   // (lb/in | kN/m)
constexpr int k_Node_Total_Stress = 10;      // combined axial and bending stress (psi | kPa)
constexpr int k_Num_Node_Columns = 11;

// How an analysed case ended, as kept for callers.
constexpr int k_Case_Not_Reached = 0;        // an earlier error ended the run before it
constexpr int k_Case_Converged = 1;          // met the convergence criteria
constexpr int k_Case_Not_Converged = 2;      // did not converge, results reported all the same
constexpr int k_Case_Failed = 3;             // the error that ended the run arose in it

// A fixed text field of the model: up to k_Name_Length characters and a terminating NUL.
using NameText = std::array<char, k_Name_Length + 1>;

struct AnalysisModel {
    // ---- Run control -------------------------------------------------------------------
    int b_CheckOnly;                                  // -1: the input is checked, nothing computed or
                                                      // written (the runtime message lines too)
    int b_ReadingInput;                               // -1 while the reader reads the input data file
    int i_ErrorInputLine;                             // input line being read when the error arose; 0: none
    int b_ErrorWhileReading;                          // -1: the error arose while the reader read that line
    int b_ModelInUse;                                 // -1 once Initialize_Model has run in this
                                                      // process; 0 only in untouched static storage
    int ErrorStatus;                                  // 0, or the raised status; never lowered
    std::array<int, k_Max_Warning_Number + 1> WarningLog;  // reports per warning number, capped at 4000
    int i_LastWarningCode;                            // most recent warning code reported (negative)
    int i_NumMvsEIFileNames;                          // names read from M_vs_EI_report_names.txt
    std::array<NameText, k_Max_MvsEI_Files + 1> MvsEIFileNames;  // moment-curvature file names
    NameText InputFileName;                           // NAMES.DAT line 1
    NameText ReportFileName;                          // NAMES.DAT line 2
    NameText PlotFileName;                            // NAMES.DAT line 3
    NameText MessageFileName;                         // NAMES.DAT line 4
    std::FILE* InputFile;                             // open from file opening to the ending
    std::FILE* ReportFile;                            // output report file
    std::FILE* PlotFile;                              // plot output file
    std::FILE* MessageFile;                           // runtime message file
    std::array<char, k_Output_Buffer_Bytes> ReportBuffer;  // the report file's block buffer while open
    std::array<char, k_Output_Buffer_Bytes> PlotBuffer;    // the plot file's block buffer while open
    int i_InputLineNumber;                            // lines of the input data file read so far
    // Input lines of the items the consistency checks after the reading name, so that an error
    // found there is told at the line that holds the item (0: not read)
    std::array<int, k_Max_Layers + 1> i_LayerInputLine;             // a soil layer's layer line
    std::array<int, k_Max_PY_Modifier_Points + 1> i_PYModifierInputLine;  // a p-y modifier row
    std::array<int, k_Max_Tip_Shear_Points + 1> i_TipShearInputLine;      // a tip shear point
    std::array<int, k_Max_PY_Output_Depths + 1> i_PYOutputDepthInputLine; // a printed p-y depth
    int i_LoadingTypeInputLine;                       // the loading type line with the cycles
    int b_TextInput;                                  // -1: the input is a text in memory, the outputs go nowhere
    long long i_InputTextLength;                      // bytes of that text
    int b_USCustomaryConverted;                       // the US customary input is in inches and pounds
    int b_WriteFailed;                                // an output file could not be written completely
    int i_WriteFailedErrno;                           // the system's reason for the first such file
    NameText WriteFailedName;                         // the first such file

    // ---- Problem: options ---------------------------------------------------------
    int IUNITS;                                       // 1 US customary, 2 SI, 3 general, 0 none
    int i_Analysis_Type;                              // 2 bending stiffness only, 3 conventional
    int b_UseLRFD;                                    // LRFD combinations are the cases analysed
    int b_ComputeKmatrix;                             // pile-head stiffness matrix requested
    int b_UseTipShear;                                // tip shear option (echoed only)
    int b_UseSoilMovement;                            // soil movement option
    int b_UsePYModifiers;                             // p-y modifier option
    int b_Cyclic;                                     // -1 cyclic loading, 0 static
    double NumCycles;                                 // number of cycles of cyclic loading
    int MaxIterations;                                // iteration limit, 30 to 1000
    double MaxAllowableDeflection;                    // excess deflection limit (in | m)
    double ConvergenceTolerance;                      // deflection tolerance (in | m)
    int b_ToleranceReset;                             // -1: a negative tolerance (general units) was
                                                      // replaced by the default when it was read
    int NumIncrements;                                // pile increments, 40 to 500
    int b_PrintSummaryOnly;                           // report only summary tables
    int PrintIncrement;                               // nodal spacing of printed output points
    int b_PrintPYCurves;                              // p-y curves at user-specified depths requested
    int b_ComputeInteraction;                         // section thrusts from the input thrust list
    int i_InteractionCode;                            // 1 AASHTO, 2 ACI318, 3 Eurocode2
    int KYL;                                          // pile-head deflection versus length option value

    // ---- Problem: title -----------------------------------------------------------
    std::array<NameText, k_Num_Title_Lines + 1> TitleLine;   // five 256-character title lines

    // ---- Unit labels (blank-padded to their widths, set once the unit system is known) ---
    char LabelLength[3 + 1];                          // "in" | "m" | "L"
    char LabelForcePerLength[5 + 1];                  // "lb/in" | "kN/m" | "F/L"
    char LabelSubgradeModulus[5 + 1];                 // "pci" | "kN/m3" | "F/L3"
    char LabelLengthLarge[2 + 1];                     // "ft" | "m" | "L"
    char LabelLengthSmall[2 + 1];                     // "in" | "mm" | "L"
    char LabelForce[3 + 1];                           // "lbs" | "kN" | "F"
    char LabelMoment[8 + 1];                          // "in-lb" | "kN-m" | "F-L"
    char LabelUnitWeightInput[5 + 1];                 // "pcf" | "kN/m3" | "F/L3"
    char LabelUnitWeight[5 + 1];                      // "pci" | "kN/m3" | "F/L3"
    char LabelStressLarge[4 + 1];                     // "psf" | "kPa" | "F/L2"
    char LabelStress[4 + 1];                          // "psi" | "kPa" | "F/L2"
    char LabelSlash[1 + 1];                           // "/"
    char LabelDash[1 + 1];                            // "-"
    char LabelPower[2 + 1];                           // "**"
    char LabelExp2[1 + 1];                            // "2"
    char LabelExp3[1 + 1];                            // "3"
    char LabelExp4[1 + 1];                            // "4"

    // ---- Problem: pile and sections -----------------------------------------------
    double PileLength;                                // total pile length, sum of section lengths (in | m)
    double XGroundSurface;                            // depth of the ground surface below the pile head
    int NumSections;                                  // pile sections, 0 to 20
    std::array<int, k_Max_Sections + 1> i_SectionInputLine;   // input line of the section's number
    std::array<int, k_Max_Sections + 1> SectionType;          // section type code (-3 stored as 3)
    std::array<int, k_Max_Sections + 1> b_FillCoreWithConcrete;  // code 3 YES, code -3 NO
    std::array<double, k_Max_Sections + 1> SectionLength;     // (in | m)
    std::array<double, k_Max_Sections + 1> XSectionTop;       // depth of the section's top end
    std::array<double, k_Max_Sections + 1> XSectionBottom;    // depth of the section's bottom end
    // Dimensions per section, as input (SI millimeters already in meters).
    std::array<double, k_Max_Sections + 1> SectionDiameter;   // diameter or width for p-y curves (in | m)
    std::array<double, k_Max_Sections + 1> SectionWidth;      // code 0: width of section (in | m)
    std::array<double, k_Max_Sections + 1> CasingThickness;   // codes 2, 3, 14: casing wall; 0: code 14 without casing (in | m)
    std::array<double, k_Max_Sections + 1> CasingYieldStress; // codes 2, 3, 14 (psi | kPa)
    std::array<double, k_Max_Sections + 1> CasingModulus;     // codes 2, 3, 14 (psi | kPa)
    std::array<double, k_Max_Sections + 1> rd_CasingDiameter; // code 14: casing outside diameter, inside the hole (in | m)
    std::array<double, k_Max_Sections + 1> CoreDiameter;      // code 3: outside diameter of core (in | m)
    std::array<double, k_Max_Sections + 1> CoreThickness;     // code 3: core wall (in | m)
    std::array<double, k_Max_Sections + 1> CoreYieldStress;   // code 3 (psi | kPa)
    std::array<double, k_Max_Sections + 1> CoreModulus;       // code 3 (psi | kPa)
    std::array<double, k_Max_Sections + 1> PipeThickness;     // code 4: pipe wall (in | m)
    std::array<double, k_Max_Sections + 1> PipeYieldStress;   // code 4 (psi | kPa)
    std::array<double, k_Max_Sections + 1> PipeModulus;       // code 4 (psi | kPa)
    std::array<double, k_Max_Sections + 1> VoidDiameter;      // codes 6, 8, 10 (in | m)
    std::array<double, k_Max_Sections + 1> ChamferWidth;      // codes 7, 8: corner chamfer (in | m)

    // Concrete per section.
    std::array<double, k_Max_Sections + 1> ConcreteStrength;        // f'c (psi | kPa)
    std::array<double, k_Max_Sections + 1> AggregateSize;           // maximum coarse aggregate (in | m)
    std::array<int, k_Max_Sections + 1> b_OverrideTensileStrength;  // input tensile strength used
    std::array<double, k_Max_Sections + 1> ConcreteTensileStrength; // input tensile strength (psi | kPa)
    std::array<int, k_Max_Sections + 1> b_InputConcreteCurve;       // input stress-strain curve given
    std::array<int, k_Max_Sections + 1> NumConcreteCurvePoints;     // 0 to 100
    std::array<std::array<double, k_Max_Sections + 1>, k_Max_Concrete_Curve_Points + 1> ConcreteCurveStrain;  // [p][s]
    std::array<std::array<double, k_Max_Sections + 1>, k_Max_Concrete_Curve_Points + 1> ConcreteCurveStress;  // [p][s] (psi | kPa)

    // Bars and strands per section: bar j of section s at (BarX, BarY) in section coordinates.
    std::array<int, k_Max_Sections + 1> b_RebarSameAsAbove;    // "Rebar Arrangement Same As Section Above"
    std::array<int, k_Max_Sections + 1> b_RebarInCircle;       // bars placed on a circle
    std::array<double, k_Max_Sections + 1> RebarYieldStress;   // fy of the bars (psi | kPa)
    std::array<double, k_Max_Sections + 1> ReinforcementModulus;   // E of the bars or strand bars (psi | kPa)
    std::array<int, k_Max_Sections + 1> i_NumBarGroups;        // bars in circle: groups
    std::array<int, k_Max_Sections + 1> i_BarsPerGroup;        // bars in circle: 1 to 3 per group
    std::array<double, k_Max_Sections + 1> CoverThickness;     // concrete cover of bars or strands (in | m)
    std::array<double, k_Max_Sections + 1> CageOffset;         // rebar cage offset from the centre (in | m)
    std::array<int, k_Max_Sections + 1> NumBars;               // bars or strands, 0 to 300
    std::array<std::array<double, k_Max_Sections + 1>, k_Max_Bars + 1> BarDiameter;  // [j][s] (in | m)
    std::array<std::array<double, k_Max_Sections + 1>, k_Max_Bars + 1> BarArea;      // [j][s] (in2 | m2)
    std::array<std::array<double, k_Max_Sections + 1>, k_Max_Bars + 1> BarX;         // [j][s] (in | m)
    std::array<std::array<double, k_Max_Sections + 1>, k_Max_Bars + 1> BarY;         // [j][s] (in | m)
    std::array<std::array<int, k_Max_Sections + 1>, k_Max_Bars + 1> i_BarSize;       // [j][s] bar size number or strand size code
    std::array<int, k_Max_Sections + 1> b_AutoPositionStrands; // strands placed by pattern
    std::array<int, k_Max_Sections + 1> i_StrandType;          // strand type code 0 to 5
    std::array<int, k_Max_Sections + 1> i_StrandPattern;       // 0 circle, 1 and 2 square patterns
    std::array<int, k_Max_Sections + 1> b_StrandsPlaced;       // -1 once the pattern placed the strands
    std::array<double, k_Max_Sections + 1> InitialPrestressForce;   // (lbs | kN)
    std::array<double, k_Max_Sections + 1> PrestressLossFraction;   // fraction of loss of prestress
    std::array<double, k_Max_Sections + 1> StrandFpu;          // ultimate strength of the strands (psi)

    // Elastic (code 11) and elastic-plastic (code 12) sections.
    std::array<int, k_Max_Sections + 1> i_ElasticShape;        // 1 rectangle .. 6 embedded pole
    std::array<double, k_Max_Sections + 1> ElasticModulus;     // E (psi | kPa)
    std::array<double, k_Max_Sections + 1> TopWidth;           // width or (outside) diameter at top (in | m)
    std::array<double, k_Max_Sections + 1> BottomWidth;        // at bottom (in | m)
    std::array<double, k_Max_Sections + 1> TopDepth;           // section depth at top (in | m)
    std::array<double, k_Max_Sections + 1> BottomDepth;        // at bottom (in | m)
    std::array<double, k_Max_Sections + 1> TopWallThickness;   // shape 3 (in | m)
    std::array<double, k_Max_Sections + 1> BottomWallThickness;  // shape 3 (in | m)
    std::array<double, k_Max_Sections + 1> TopArea;            // (in2 | m2)
    std::array<double, k_Max_Sections + 1> BottomArea;         // (in2 | m2)
    std::array<double, k_Max_Sections + 1> TopInertia;         // moment of inertia at top (in4 | m4)
    std::array<double, k_Max_Sections + 1> BottomInertia;      // at bottom (in4 | m4)
    std::array<double, k_Max_Sections + 1> FlangeWidth;        // shapes 4, 5 (in | m)
    std::array<double, k_Max_Sections + 1> FlangeThickness;    // shapes 4, 5, as input even in SI
    std::array<double, k_Max_Sections + 1> WebThickness;       // shapes 4, 5, as input even in SI
    std::array<double, k_Max_Sections + 1> HoleDiameter;       // shape 6: drilled hole (in | m)
    std::array<double, k_Max_Sections + 1> PlasticMomentTop;   // code 12 (in-lb | kN-m)
    std::array<double, k_Max_Sections + 1> PlasticMomentBottom;  // code 12 (in-lb | kN-m)

    // User-defined M-EI tables (code 13): per section s and thrust b, points of moment and EI.
    std::array<int, k_Max_Sections + 1> i_NumMEIThrusts;       // 0 to 100
    std::array<std::array<double, k_Max_Sections + 1>, k_Max_MEI_Thrusts + 1> MEIThrust;   // [b][s]
    std::array<std::array<int, k_Max_Sections + 1>, k_Max_MEI_Thrusts + 1> i_NumMEIPoints;  // [b][s] 0 to 150
    std::array<std::array<std::array<double, k_Max_Sections + 1>, k_Max_MEI_Thrusts + 1>, k_Max_MEI_Points + 1>
        MEIMoment;                                            // [p][b][s]
    std::array<std::array<std::array<double, k_Max_Sections + 1>, k_Max_MEI_Thrusts + 1>, k_Max_MEI_Points + 1>
        MEIStiffness;                                         // [p][b][s] bending stiffness EI

    // Section property table: point 2s-1 is the top and 2s the bottom of section s.
    int NumSectionPoints;                             // 2 x NumSections
    std::array<double, k_Max_Section_Points + 1> XSectionPoint;   // depth along the pile
    std::array<double, k_Max_Section_Points + 1> SectionPointD;   // outside dimension D (in | m)
    std::array<double, k_Max_Section_Points + 1> SectionPointD2;  // second dimension D2 (in | m)
    std::array<double, k_Max_Section_Points + 1> SectionPointI;   // moment of inertia (in4 | m4)
    std::array<double, k_Max_Section_Points + 1> SectionPointE;   // modulus E (lb/in2 | kPa)
    std::array<double, k_Max_Section_Points + 1> SectionPointA;   // cross-sectional area (in2 | m2)

    // ---- Problem: soil layers -----------------------------------------------------
    std::array<NameText, k_Num_Soil_Types + 1> SoilTypeCode;     // ten-character soil type codes
    std::array<NameText, k_Num_Soil_Types + 1> SoilTypeName;     // long names for reports
    int i_Number_of_Layers;                           // soil layers, 0 to 40
    std::array<int, k_Max_Layers + 1> i_SoilLayer_py_Type;    // soil type number, 1 to 20
    std::array<double, k_Max_Layers + 1> XLayerTop;           // depth of layer top
    std::array<double, k_Max_Layers + 1> XLayerBottom;        // depth of layer bottom
    std::array<double, k_Max_Layers + 1> LayerKTop;           // subgrade modulus k at the top (pci | kN/m3)
    std::array<double, k_Max_Layers + 1> LayerKBottom;        // subgrade modulus k at the bottom

    // Soil strength table: point 2L-1 is the top and 2L the bottom of layer L.
    int NumStrengthPoints;
    std::array<double, k_Max_Soil_Points + 1> XSoilPoint;                 // depth
    std::array<double, k_Max_Soil_Points + 1> StrengthAtPoint;            // c or qu (psi | kPa)
    std::array<double, k_Max_Soil_Points + 1> Epsilon50AtPoint;           // eps50; k_rm for weak rock
    std::array<double, k_Max_Soil_Points + 1> JAtPoint;                   // J of soft clay with J
    std::array<double, k_Max_Soil_Points + 1> FrictionAngleAtPoint;       // degrees
    std::array<double, k_Max_Soil_Points + 1> RQDAtPoint;                 // percent
    std::array<int, k_Max_Soil_Points + 1> FieldTestTypeAtPoint;          // 1 SPT, 2 CPT, 3 DMT, 4 PMT
    std::array<double, k_Max_Soil_Points + 1> SPTN60AtPoint;
    std::array<double, k_Max_Soil_Points + 1> ConeTipResistanceAtPoint;
    std::array<double, k_Max_Soil_Points + 1> DilatometerModulusAtPoint;
    std::array<double, k_Max_Soil_Points + 1> PressuremeterModulusAtPoint;
    std::array<double, k_Max_Soil_Points + 1> ElasticSubgradeAtPoint;
    std::array<double, k_Max_Soil_Points + 1> IntactRockStrengthAtPoint;  // sigma_ci of massive rock
    std::array<int, k_Max_Soil_Points + 1> RockTypeAtPoint;               // selects Hoek-Brown mi
    std::array<double, k_Max_Soil_Points + 1> GSIAtPoint;
    std::array<double, k_Max_Soil_Points + 1> MassRockExtraAtPoint;       // stored, read by nothing

    // Effective unit weight table, points as in the strength table.
    int NumUnitWeightPoints;
    std::array<double, k_Max_Soil_Points + 1> XUnitWeightPoint;           // depth
    std::array<double, k_Max_Soil_Points + 1> UnitWeightAtPoint;          // (pci | kN/m3)

    // User-input p-y curves per strength point.
    std::array<int, k_Max_Soil_Points + 1> NumUserPYPoints;               // 0 to 29
    std::array<std::array<double, k_Max_Soil_Points + 1>, k_Max_User_PY_Points + 1> UserPY_y;  // [j][k]
    std::array<std::array<double, k_Max_Soil_Points + 1>, k_Max_User_PY_Points + 1> UserPY_p;  // [j][k]
    std::array<double, k_Max_Soil_Points + 1> UserPYDepth;                // depth of the curve

    // ---- Problem: pile-head load cases --------------------------------------------
    int NumLoadCases;
    std::array<int, k_Max_Load_Cases + 1> LoadType;            // 1 to 5
    std::array<double, k_Max_Load_Cases + 1> Load1;            // first pile-head boundary value
    std::array<double, k_Max_Load_Cases + 1> Load2;            // second pile-head boundary value
    std::array<double, k_Max_Load_Cases + 1> AxialThrustLoad;  // (lbs | kN)
    std::array<int, k_Max_Load_Cases + 1> b_LengthStudy;       // top deflection versus length wanted
    int NumDistLoadPoints;                                     // distributed lateral load profile
    std::array<double, k_Max_Dist_Load_Points + 1> XDistLoad;  // depth (in | m)
    std::array<double, k_Max_Dist_Load_Points + 1> DistLoad;   // (lb/in | kN/m)

    // ---- Problem: LRFD ------------------------------------------------------------
    int NumLrfdLoads;
    std::array<int, k_Max_Lrfd_Loads + 1> LrfdLoadType;        // 1 to 13
    std::array<double, k_Max_Lrfd_Loads + 1> LrfdH;            // unfactored shear
    std::array<double, k_Max_Lrfd_Loads + 1> LrfdM;            // unfactored moment
    std::array<double, k_Max_Lrfd_Loads + 1> LrfdP;            // unfactored axial thrust
    std::array<int, k_Max_Lrfd_Loads + 1> NumLrfdDistPoints;   // 0 or 2 to 100
    std::array<std::array<double, k_Max_Lrfd_Loads + 1>, k_Max_Lrfd_Dist_Points + 1> XLrfdDist;  // [j][g]
    std::array<std::array<double, k_Max_Lrfd_Loads + 1>, k_Max_Lrfd_Dist_Points + 1> LrfdDist;   // [j][g]
    int NumLrfdCombinations;
    std::array<std::array<double, k_Max_Lrfd_Combinations + 1>, k_Num_Lrfd_Load_Types + 1> LrfdFactor;  // [t][c]
    std::array<double, k_Max_Lrfd_Combinations + 1> PhiM;      // resistance factor for moment
    std::array<double, k_Max_Lrfd_Combinations + 1> PhiV;      // resistance factor for shear
    std::array<NameText, k_Max_Lrfd_Combinations + 1> LrfdCombinationName;

    // ---- Problem: auxiliary profiles ----------------------------------------------
    int NumSoilMovementPoints;
    std::array<double, k_Max_Soil_Movement_Points + 1> XSoilMovement;   // depth
    std::array<double, k_Max_Soil_Movement_Points + 1> SoilMovement;    // (in | m)
    int NumPYModifierPoints;
    std::array<double, k_Max_PY_Modifier_Points + 1> XPYModifier;       // depth
    std::array<double, k_Max_PY_Modifier_Points + 1> PMultiplier;
    std::array<double, k_Max_PY_Modifier_Points + 1> YMultiplier;
    int NumTipShearPoints;
    std::array<double, k_Max_Tip_Shear_Points + 1> YTipShear;           // tip deflection
    std::array<double, k_Max_Tip_Shear_Points + 1> VTipShear;           // tip shear
    int NumPYOutputDepths;
    std::array<double, k_Max_PY_Output_Depths + 1> XPYOutputDepth;
    double GroundSlope;                               // radians
    double PileBatter;                                // radians
    double EffectiveSlope;                            // GroundSlope - PileBatter (radians)

    // ---- Derived from the problem ---------------------------------------------------------
    // What the run analyses where that is not the problem as read. The Problem blocks above are
    // written by the input stage alone (reader, echo, US customary conversion); what comes after
    // reads them and writes its own values here.
    int b_RunValuesDerived;                           // -1 once the two below are set
    double rd_PileLengthAnalysed;                     // the input pile length, or a trial length of the
                                                      // length study while it runs
    std::array<double, k_Max_Layers + 1> rd_LayerTop; // layer top as analysed: the ground surface for
                                                      // layer 1, the bottom of the layer above for the others
    int NumEIThrusts;                                 // axial thrust list of the section analysis
    std::array<double, k_Max_EI_Thrusts + 1> EIThrust;          // ascending (kips | kN)
    // Factored pile-head loads of every combination, formed after the input (lbs, in-lb | kN, kN-m).
    std::array<double, k_Max_Lrfd_Combinations + 1> rd_LrfdHorizontal;  // Hc, before the batter transform
    std::array<double, k_Max_Lrfd_Combinations + 1> rd_LrfdVertical;    // Pc, before the batter transform
    std::array<double, k_Max_Lrfd_Combinations + 1> rd_LrfdShear;       // Vc, perpendicular to the pile
    std::array<double, k_Max_Lrfd_Combinations + 1> rd_LrfdMoment;      // Mc
    std::array<double, k_Max_Lrfd_Combinations + 1> rd_LrfdThrust;      // Qc, along the pile
    std::array<int, k_Max_Lrfd_Combinations + 1> i_LrfdThrustIndex;      // position of Qc in EIThrust
    // Distributed load of each load type averaged at node k, wt(k), [t][k] (lb/in | kN/m).
    std::array<std::array<double, k_Max_Nodes + 1>, k_Num_Lrfd_Load_Types + 1> rd_LrfdDistLoad_Node;
    int b_LrfdDistLoadsReported;                      // their report block is written once a run

    // ---- Section analysis: the section being analysed ------------------------------------
    // Lengths in inches and stresses in ksi, forces in kips for US customary runs; meters, kPa
    // and kN for SI runs. y is measured from the outline's centroid toward the compression face,
    // depths from the compression face down.
    int i_CurrentSection;                             // pile section being analysed
    int i_SectionModel;                               // 1,2,3,5,6,7,9,10,11,12; 0: no slicing
    double rd_Depth;                                  // outline depth in the bending direction
    double rd_Width;                                  // rectangle width (models 1, 2)
    int i_NumOutlinePoints;                           // polygon outline (models 10, 11)
    std::array<double, k_Max_Outline_Points + 1> rd_OutlineX;
    std::array<double, k_Max_Outline_Points + 1> rd_OutlineY;
    int b_HasCore;                                    // one core circle or void (models 2, 5, 7, 11)
    double rd_CoreOuterDiameter;                      // outside diameter of the core or void
    double rd_CoreCentreY;                            // y of its centre
    double rd_CoreWall;                               // core pipe wall; 0 for a void
    double rd_CasingWall;                             // casing or pipe wall (models 6, 7, 9, 12)
    double rd_CasingOuterDiameter;                    // micropile casing inside its hole (model 12)
    // Slice grid, slice i between SliceY[i-1] (upper) and SliceY[i] (lower).
    int i_NumSlices;                                  // 100
    double rd_SliceThickness;                         // t = |rd_Depth| / 100
    std::array<double, k_Num_Slices + 1> SliceY;      // boundaries, 0..100
    std::array<double, k_Num_Slices + 1> rd_SliceDepth;          // centre depth of slice i
    std::array<double, k_Num_Slices + 1> ConcreteSliceArea;      // net outer concrete
    std::array<double, k_Num_Slices + 1> RebarSliceArea;         // bars or strands
    std::array<double, k_Num_Slices + 1> CasingSliceArea;        // casing or pipe steel
    std::array<double, k_Num_Slices + 1> CoreSliceArea;          // core pipe steel
    std::array<double, k_Num_Slices + 1> CoreConcreteSliceArea;  // concrete inside the core
    int i_CoreTopSlice;                               // first slice touched by the core
    int i_CoreBottomSlice;                            // last slice touched by the core
    double rd_TotalConcreteArea;                      // sum of ConcreteSliceArea
    double rd_TotalRebarArea;                         // sum of RebarSliceArea
    int i_FirstRebarSlice;                            // first and last slice holding bars or
    int i_LastRebarSlice;                             // strands; 0 and -1 when none does
    // Material constants of the section.
    int i_ConcreteModel;                              // 2 concrete law; 1 no concrete
    int i_CoreConcreteModel;                          // 2 concrete-filled core; 1 none
    int i_ReinforcementLaw;                           // 2 bars; 4..9 strand laws
    int b_Prestressed;                                // reinforcement is strands or strand bars
    double rd_fc;                                     // f'c
    double rd_Ec;                                     // concrete modulus; 0 without concrete
    double rd_ft;                                     // tensile strength, negative
    double rd_Eps0;                                   // strain at peak compressive stress
    double rd_EpsT;                                   // tensile strain at fracture, negative
    double rd_fc015;                                  // 0.15 f'c, drop of the descending line
    double rd_EpsDescent;                             // 0.0038 - rd_Eps0, length of that line
    double rd_fy;                                     // bar yield stress
    double rd_Es;                                     // bar or strand modulus
    double rd_StrandFpy;                              // yield stress of deformed strand bars (ksi)
    double rd_CasingFy;                               // casing or pipe yield stress
    double rd_CasingE;                                // casing or pipe modulus
    double rd_CoreFy;                                 // core pipe yield stress
    double rd_CoreE;                                  // core pipe modulus
    double rd_PrestrainConcrete;                      // uniform concrete strain from prestress
    double rd_PrestrainSteel;                         // uniform strand strain from prestress
    // One evaluation of the section at a neutral-axis depth and curvature.
    double rd_CurrentCurvature;                       // curvature of the current point
    double rd_TrialNADepth;                           // neutral-axis depth of the evaluation
    std::array<double, k_Num_Slices + 1> rd_SliceStrain;
    std::array<double, k_Num_Slices + 1> ConcreteStress;
    std::array<double, k_Num_Slices + 1> CoreConcreteStress;
    std::array<double, k_Num_Slices + 1> RebarStress;
    std::array<double, k_Num_Slices + 1> CasingStress;
    std::array<double, k_Num_Slices + 1> CoreStress;
    double rd_ConcreteForce;
    double rd_RebarForce;
    double rd_CasingForce;
    double rd_CoreForce;
    double rd_CoreConcreteForce;
    double rd_TotalAxialForce;
    int b_Cracked;                                    // concrete cracked in tension
    int b_Yielded;                                    // steel reached yield; kept over a thrust
    int b_AllCracked;                                 // tensile thrust beyond the cracking load
    // Axial capacities and prestress.
    double rd_AxialCapComp;                           // nominal compressive capacity, positive
    double rd_AxialCapTens;                           // nominal tensile capacity, negative
    double rd_CrackingLoad;                           // tensile cracking load, negative; 0 none
    double rd_SteelArea;                              // area of the bars or strands
    double rd_fpc;                                    // concrete stress after prestress losses
    double rd_MnPCI;                                  // PCI estimate of the nominal moment
    char c_MnPCIText[24];                             // its equation text
    int b_PrestressReported;                          // the prestress block is written for the section
    // Curves of the section, thrust a, point k.
    int i_MaxCurvPoints;                              // 150
    int i_NumThrusts;
    std::array<double, k_Max_EI_Thrusts + 1> rd_Thrust;   // compression positive (kips | kN)
    double rd_NAGuess;                                // neutral-axis start of the next point
    double rd_MostTensileBarStrain;                   // round shafts: the T message's bar strain
    int b_NegativeMoment;                             // a point's moment was zero or less
    std::array<int, k_Max_EI_Thrusts + 1> i_NumCurvPoints;
    std::array<double, k_Max_EI_Thrusts + 1> rd_NominalMomentCap;
    std::array<double, k_Max_EI_Thrusts + 1> rd_StrainAtCap;
    std::array<std::array<double, k_Max_Curve_Points + 1>, k_Max_EI_Thrusts + 1> rd_Curvature;  // [a][k]
    std::array<std::array<double, k_Max_Curve_Points + 1>, k_Max_EI_Thrusts + 1> rd_Moment;
    std::array<std::array<double, k_Max_Curve_Points + 1>, k_Max_EI_Thrusts + 1> rd_EI;
    std::array<std::array<double, k_Max_Curve_Points + 1>, k_Max_EI_Thrusts + 1> rd_NADepth;
    std::array<std::array<double, k_Max_Curve_Points + 1>, k_Max_EI_Thrusts + 1> rd_MaxCompStrain;
    std::array<std::array<double, k_Max_Curve_Points + 1>, k_Max_EI_Thrusts + 1> rd_MaxTensStrain;
    std::array<std::array<double, k_Max_Curve_Points + 1>, k_Max_EI_Thrusts + 1> rd_MaxConcreteStress;
    std::array<std::array<double, k_Max_Curve_Points + 1>, k_Max_EI_Thrusts + 1> rd_MaxSteelStress;
    std::array<std::array<double, k_Max_Curve_Points + 1>, k_Max_EI_Thrusts + 1> rd_MaxCasingStress;
    std::array<std::array<double, k_Max_Curve_Points + 1>, k_Max_EI_Thrusts + 1> rd_MaxCoreStress;
    std::array<std::array<std::array<char, 4>, k_Max_Curve_Points + 1>, k_Max_EI_Thrusts + 1> c_RunMsg;
    // Unit labels of the section report, blank-padded to 8 characters.
    char c_LabelStress[8 + 1];
    char c_LabelLength[8 + 1];
    char c_LabelForce[8 + 1];
    char c_LabelMoment[8 + 1];
    char c_LabelArea[8 + 1];
    char c_LabelInertia[8 + 1];
    char c_LabelStiffness[8 + 1];
    // Capacities kept per pile section s and thrust t of the section's list, for callers that
    // read them after the run; the section report is written from them. Units of the section
    // analysis: kips, in, in-kips, ksi (US customary) or kN, m, kN-m, kPa (SI). Sections without
    // a moment-curvature analysis (elastic, elastic-plastic, user M-EI) keep zeros.
    std::array<int, k_Max_Sections + 1> b_SectionCapacitiesKept;   // -1: the section has the axial
                                                      // capacities below (bar-reinforced, micropile
                                                      // and pipe models); 0: none kept (prestressed sections
                                                      // report their PCI estimates instead)
    std::array<double, k_Max_Sections + 1> rd_SectionAxialCapComp;   // nominal axial compressive capacity, positive (kips | kN)
    std::array<double, k_Max_Sections + 1> rd_SectionAxialCapTens;   // nominal axial tensile capacity, negative (kips | kN)
    std::array<double, k_Max_Sections + 1> rd_SectionCrackingLoad;   // tensile load cracking the concrete, negative; 0 for the pipe (kips | kN)
    std::array<std::array<double, k_Max_EI_Thrusts + 1>, k_Max_Sections + 1> rd_SectionNominalMoment;  // [s][t] nominal moment capacity (in-kips | kN-m)
    std::array<std::array<double, k_Max_EI_Thrusts + 1>, k_Max_Sections + 1> rd_SectionStrainAtCap;    // [s][t] max. compressive strain at it (in/in | m/m)
    // [s][t][f], f = 1..k_Num_Resistance_Factors, the factor k_Resistance_Factors[f] of
    // section/capacities.h; pipes have no factored table and keep 0.
    std::array<std::array<std::array<double, k_Num_Resistance_Factors + 1>, k_Max_EI_Thrusts + 1>, k_Max_Sections + 1>
        rd_SectionFactoredThrust;                     // factored axial thrust phi P (kips | kN)
    std::array<std::array<std::array<double, k_Num_Resistance_Factors + 1>, k_Max_EI_Thrusts + 1>, k_Max_Sections + 1>
        rd_SectionFactoredMoment;                     // factored moment capacity phi Mn (in-kips | kN-m)
    std::array<std::array<std::array<double, k_Num_Resistance_Factors + 1>, k_Max_EI_Thrusts + 1>, k_Max_Sections + 1>
        rd_SectionFactoredEI;                         // bending stiffness at phi Mn on the curve of t (kip-in2 | kN-m2)

    // ---- Bending-stiffness tables of the section analysis (section s, thrust t, point k) ---
    std::array<std::array<int, k_Max_EI_Thrusts + 1>, k_Max_Sections + 1> i_TablePoints;
    std::array<std::array<std::array<double, k_Max_Curve_Points + 1>, k_Max_EI_Thrusts + 1>,
               k_Max_Sections + 1> rd_TableMoment;      // moment (in-kips | kN-m)
    std::array<std::array<std::array<double, k_Max_Curve_Points + 1>, k_Max_EI_Thrusts + 1>,
               k_Max_Sections + 1> rd_TableEI;          // bending stiffness (kip-in2 | kN-m2)
    std::array<std::array<std::array<double, k_Max_Curve_Points + 1>, k_Max_EI_Thrusts + 1>,
               k_Max_Sections + 1> rd_TableCurvature;   // curvature (rad/in | rad/m)
    std::array<std::array<double, k_Max_EI_Thrusts + 1>, k_Max_Sections + 1> rd_TableNominalCap;
                                                        // nominal moment capacity (in-lb | kN-m)
    std::array<double, k_Max_EI_Thrusts + 1> rd_TableThrust;   // thrust list of the tables (kips | kN)
    int i_NumTableThrusts;                            // thrusts in rd_TableThrust

    // ---- p-y curves: layering state of a pass over the layers --------------------------
    std::array<double, k_Max_Layers + 1> Fu_Layer;        // integral of pu over layer L (force)
    std::array<double, k_Max_Layers + 1> XEquivalentTop;  // equivalent depth of layer top; -10000: none yet
    std::array<int, k_Max_Layers + 1> b_BelowRockLayer;   // layer processed below a rock-type layer
    int i_RockLayersAbove;                                // rock-type layers met so far in this pass

    // ---- p-y curves: values the criteria derive from the input during the run ------------
    // The number of cycles of loading as read stays NumCycles; a criterion that needs at least
    // one cycle raises the count the curves take here, and every later curve of the run takes it.
    int b_NumCyclesRaised;                                // rd_NumCyclesInUse holds a raised count
    double rd_NumCyclesInUse;                             // cycles of loading the curves take once raised (cycles)

    // ---- p-y curves: running values of the layer being walked, from node to node ----------
    // Stiff clay with free water averages cohesion over the layer from its first node down.
    double rd_AverageCohesionTop;         // soil depth of the layer's first node (in | m)
    double rd_AverageCohesionDepth;       // soil depth of the previous node (in | m)
    double rd_AverageCohesionPrevious;    // cohesion at the previous node (lb/in2 | kPa)
    double rd_AverageCohesionIntegral;    // integral of cohesion down to the previous node (lb/in | kN/m)
    // Soft clay builds its layer integral from the previous node's resistances (lb/in | kN/m).
    double rd_PreviousNodePu;             // ultimate resistance, static curve
    double rd_PreviousNodePc;             // plateau of the cyclic curve
    double rd_PreviousNodePr;             // residual of the cyclic curve above the transition depth

    // ---- p-y curves printed at requested depths --------------------------------------------
    // The requested depths XPYOutputDepth stay as read; the curves are computed at their sorted
    // copy without repeats, by layer along the pile as the pile's own nodes are by
    // i_TopNodeInLayer. The nodes stay as they are.
    int i_NumPYCurveDepths;                                          // depths in rd_PYCurveDepth
    std::array<double, k_Max_PY_Output_Depths + 1> rd_PYCurveDepth;  // ascending, no repeats (in | m)
    std::array<int, k_Max_Soil_Points + 1> i_TopPYDepthInLayer;     // first requested depth in layer L; 0: none
    std::array<int, k_Max_Soil_Points + 1> i_BottomPYDepthInLayer;  // last requested depth in layer L; 0: none

    // ---- p-y curves: API sand values kept per node -------------------------------------
    // The angle functions and level-ground coefficients of a node's friction angle do not change
    // from iteration to iteration; they are computed once per node and angle.
    std::array<int, k_Max_Nodes + 1> b_APISandKept;     // the values below belong to rd_APISandPhi
    std::array<double, k_Max_Nodes + 1> rd_APISandPhi;  // friction angle they were computed for (rad)
    std::array<double, k_Max_Nodes + 1> rd_APISandKa;   // active coefficient tan^2(pi/4 - phi/2)
    std::array<double, k_Max_Nodes + 1> rd_APISandKp;   // passive coefficient tan^2(pi/4 + phi/2)
    std::array<double, k_Max_Nodes + 1> rd_APISandC1;   // level-ground coefficients C1, C2, C3
    std::array<double, k_Max_Nodes + 1> rd_APISandC2;
    std::array<double, k_Max_Nodes + 1> rd_APISandC3;
    std::array<int, k_Max_Nodes + 1> b_APISandDefaultKKept;     // the default k below belongs to
    std::array<double, k_Max_Nodes + 1> rd_APISandDefaultKPhi;   // this friction angle (degrees)
    std::array<double, k_Max_Nodes + 1> rd_APISandDefaultKGamma; // and this average unit weight
    std::array<double, k_Max_Nodes + 1> rd_APISandDefaultK;      // default subgrade modulus k

    // ---- Pile model: nodes, sections and layers -------------------------------------------
    int NumNodes;                                     // NumIncrements + 1
    double IncrementLength;                           // h = PileLength / NumIncrements
    std::array<int, k_Max_Nodes + 1> i_SectionOfNode;          // pile section containing node k
    std::array<int, k_Max_Soil_Points + 1> i_TopNodeInLayer;   // first node of layer L; 0: none
    std::array<int, k_Max_Soil_Points + 1> i_BottomNodeInLayer;  // last node of layer L; 0: none

    // ---- Per-node arrays (node 1 at the pile head) ---------------------------------------
    std::array<double, k_Max_Nodes + 1> XNode;        // depth along the pile
    std::array<double, k_Max_Nodes + 1> ZNode;        // vertical depth
    std::array<double, k_Max_Nodes + 1> EI_Node;      // bending stiffness (lb-in2 | kN-m2)
    std::array<double, k_Max_Nodes + 1> Es_Node;      // secant soil modulus (lb/in2 | kPa)
    std::array<double, k_Max_Nodes + 1> W_Node;       // distributed-load term
    std::array<double, k_Max_Nodes + 1> SoilMovement_Node;  // lateral soil movement at the node
    std::array<double, k_Max_Nodes + 1> DistLoad_Node;      // distributed load averaged at the node
    std::array<int, k_Max_Nodes + 1> BeyondCurveFlag; // curvature beyond the node's M-EI table
    int b_BeyondCurve;                                // some node went beyond its table this case
    std::array<double, k_Max_Nodes + 4> Y_Node_Store; // deflection with two imaginary nodes above
                                                      // the head and one below the tip; see Y_Node

    // ---- Lateral solution --------------------------------------------------------------
    // Pile-head condition and axial thrust of the load case being solved.
    int i_HeadLoadType;                               // pile-head load type 1 to 5
    double HeadShear;                                 // V, types 1-3 (lbs | kN)
    double HeadMoment;                                // M, types 1 and 4 (in-lb | kN-m)
    double HeadSlope;                                 // S, types 2 and 5 (radians)
    double HeadRotStiffness;                          // K-theta, type 3 (in-lb/rad | kN-m/rad)
    double HeadDeflection;                            // y_t, types 4 and 5 (in | m)
    double AxialThrust;                               // Q, compression positive (lbs | kN)
    int i_CurrentLoadCase;                            // load case (or LRFD combination) being solved
    int b_StiffnessPass;                              // results pass serves the head stiffness study
    // Solver state.
    double TipShear;                                  // V_t, shear at the pile tip (lbs | kN)
    double DYMax;                                     // largest |change of deflection|, last solution (in | m)
    double DeltaDYMax;                                // |change of DYMax| between two solutions (in | m)
    double rd_PreviousDYMax;                          // DYMax of the solution before (in | m)
    std::array<double, k_Max_Nodes + 1> rd_RecursionA;     // a(m) of y(m) = a y(m-1) - b y(m-2) + c + d
    std::array<double, k_Max_Nodes + 1> rd_RecursionB;     // b(m)
    std::array<double, k_Max_Nodes + 1> rd_RecursionC;     // c(m), distributed-load part (in | m)
    std::array<double, k_Max_Nodes + 1> rd_RecursionD;     // d(m), tip-shear part (in | m)
    std::array<double, k_Max_Nodes + 1> rd_RecursionPivot; // D(m), pivot of node m
    std::array<double, 5 * 5> rd_HeadF;               // head system matrix, column by column (ld 5)
    std::array<double, 5 + 1> rd_HeadG;               // head system right side, 1-based
    std::array<double, 5 + 1> rd_HeadY;               // head system solution, 1-based
    // Node responses of the last NodeResponse calls.
    std::array<double, k_Max_Nodes + 1> rd_Moment_Node;    // bending moment M (in-lb | kN-m)
    std::array<double, k_Max_Nodes + 1> rd_Shear_Node;     // shear force V (lbs | kN)
    std::array<double, k_Max_Nodes + 1> rd_Slope_Node;     // slope S (radians)
    std::array<double, k_Max_Nodes + 1> rd_SoilReaction_Node;  // soil reaction p (lb/in | kN/m)
    std::array<double, k_Max_Nodes + 1> rd_Stress_Node;    // combined axial and bending stress (psi | kPa)
    double rd_HeadShearResult;                        // pile-head shear for the report (lbs | kN)
    double rd_HeadMomentResult;                       // pile-head moment for the report (in-lb | kN-m)
    double rd_HeadSlopeResult;                        // pile-head slope for the report (radians)
    double rd_MaxMoment;                              // moment of largest magnitude, signed (in-lb | kN-m)
    double rd_XMaxMoment;                             // its depth along the pile (in | m)
    double rd_MaxShear;                               // shear of largest magnitude, signed (lbs | kN)
    double rd_XMaxShear;                              // its depth along the pile (in | m)
    double rd_MaxStress;                              // largest combined stress (psi | kPa)
    // Largest |M| and |V| per pile section and load case, [s][lc], with their nodes.
    std::array<std::array<double, k_Max_Load_Cases + 1>, k_Max_Sections + 1> rd_SectionMaxMoment;
    std::array<std::array<int, k_Max_Load_Cases + 1>, k_Max_Sections + 1> i_SectionMaxMomentNode;
    std::array<std::array<double, k_Max_Load_Cases + 1>, k_Max_Sections + 1> rd_SectionMaxShear;
    std::array<std::array<int, k_Max_Load_Cases + 1>, k_Max_Sections + 1> i_SectionMaxShearNode;
    // Values kept per load case by the results pass, for the summary and the stiffness study.
    std::array<double, k_Max_Load_Cases + 1> rd_CaseHeadDeflection;  // y(1) (in | m)
    std::array<double, k_Max_Load_Cases + 1> rd_CaseHeadSlope;       // (radians)
    std::array<double, k_Max_Load_Cases + 1> rd_CaseHeadShear;       // (lbs | kN)
    std::array<double, k_Max_Load_Cases + 1> rd_CaseHeadMoment;      // (in-lb | kN-m)
    std::array<double, k_Max_Load_Cases + 1> rd_CaseMaxMoment;       // signed (in-lb | kN-m)
    std::array<double, k_Max_Load_Cases + 1> rd_CaseXMaxMoment;      // depth (in | m)
    std::array<double, k_Max_Load_Cases + 1> rd_CaseMaxShear;        // signed (lbs | kN)
    std::array<double, k_Max_Load_Cases + 1> rd_CaseXMaxShear;       // depth (in | m)
    std::array<int, k_Max_Load_Cases + 1> i_CaseZeroDeflectionPoints;  // sign changes of y
    // Pile-head stiffness series: cases 1..10 shears at zero head slope, 11..20 moments at zero
    // head deflection; per case the head values of its results pass, and per row i the terms
    // of shear case i (K22, K32) and moment case 10 + i (K23, K33).
    std::array<double, k_Num_Stiffness_Cases + 1> rd_StiffnessHeadDeflection;  // (in | m)
    std::array<double, k_Num_Stiffness_Cases + 1> rd_StiffnessHeadSlope;       // (radians)
    std::array<double, k_Num_Stiffness_Cases + 1> rd_StiffnessHeadShear;       // (lbs | kN)
    std::array<double, k_Num_Stiffness_Cases + 1> rd_StiffnessHeadMoment;      // (in-lb | kN-m)
    std::array<double, k_Num_Stiffness_Rows + 1> rd_K22;    // |shear / deflection| (lb/in | kN/m)
    std::array<double, k_Num_Stiffness_Rows + 1> rd_K32;    // |moment / deflection| (in-lb/in | kN-m/m)
    std::array<double, k_Num_Stiffness_Rows + 1> rd_K23;    // |shear / rotation| (lb/rad | kN/rad)
    std::array<double, k_Num_Stiffness_Rows + 1> rd_K33;    // |moment / rotation| (in-lb/rad | kN-m/rad)
    // Pile-head deflection versus pile length, per load case lc: the points of the trial
    // lengths that converged, [j][lc].
    std::array<int, k_Max_Load_Cases + 1> i_LengthStudyPoints;
    std::array<std::array<double, k_Max_Load_Cases + 1>, k_Max_Length_Trials + 1> rd_StudyPileLength;  // (in | m)
    std::array<std::array<double, k_Max_Load_Cases + 1>, k_Max_Length_Trials + 1> rd_StudyHeadDeflection;  // (in | m)
    std::array<std::array<double, k_Max_Load_Cases + 1>, k_Max_Length_Trials + 1> rd_StudyMaxMoment;  // signed (in-lb | kN-m)
    std::array<std::array<double, k_Max_Load_Cases + 1>, k_Max_Length_Trials + 1> rd_StudyMaxShear;   // signed (lbs | kN)
    // Equilibrium check of the results pass: the segment between two nodes carried from one
    // node's check to the next (its upper node's shear, slope and moment, its lower node's
    // moment), and the largest imbalances of the load case with their nodes.
    double rd_EqUpperShear;                           // EI y''' at the upper node, no axial part (lbs | kN)
    double rd_EqUpperSlope;                           // slope at the upper node (radians)
    double rd_EqUpperMoment;                          // moment at the upper node (in-lb | kN-m)
    double rd_EqLowerMoment;                          // moment at the lower node (in-lb | kN-m)
    double rd_MaxMomentImbalance;                     // signed, largest magnitude (in-lb | kN-m)
    int i_MaxMomentImbalanceNode;                     // node of its check; N + 1 for the tip segment
    double rd_MaxForceImbalance;                      // signed, largest magnitude (lbs | kN)
    int i_MaxForceImbalanceNode;                      // node of its check; N + 1 for the tip segment

    // ---- Results kept for callers ----------------------------------------------------------
    // What a run hands back beyond its files, each value kept once it is final and at full
    // precision: per analysed case (load case or LRFD combination) how it ended, the head
    // condition it was solved for and its node table; per pile section the thrusts of its
    // bending-stiffness tables; the p-y curves printed at requested depths; the framed text of
    // the error that ended the run. The results document (engine/results_document) reads them;
    // the node table of a case touches only its own rows, so a run of few cases stays small.
    std::array<int, k_Max_Load_Cases + 1> i_CaseOutcome;     // k_Case_Not_Reached, _Converged, ...
    std::array<int, k_Max_Load_Cases + 1> i_CaseIterations;  // solutions of the nonlinear iteration
    std::array<int, k_Max_Load_Cases + 1> i_CaseHeadType;    // pile-head load type solved for, 1 to 5
    std::array<double, k_Max_Load_Cases + 1> rd_CaseHeadValue1;  // first head value as solved for
    std::array<double, k_Max_Load_Cases + 1> rd_CaseHeadValue2;  // second head value as solved for
    std::array<double, k_Max_Load_Cases + 1> rd_CaseAxialThrust; // (lbs | kN)
    std::array<int, k_Max_Load_Cases + 1> i_CaseNodeCount;   // rows of the case's node table
    // [lc][column][k]: column k_Node_Depth .. k_Node_Total_Stress of node k.
    std::array<std::array<std::array<double, k_Max_Nodes + 1>, k_Num_Node_Columns>, k_Max_Load_Cases + 1>
        rd_CaseNodeTable;
    // Structural state of each case: the largest ratio of |moment| to the nominal moment capacity
    // of the section at the node (0: no section with a capacity), its section, the depths between
    // which the moment exceeds the capacity, and those of the nodes whose curvature ran past the
    // end of their moment-curvature table.
    std::array<double, k_Max_Load_Cases + 1> rd_CaseMomentRatio;
    std::array<int, k_Max_Load_Cases + 1> i_CaseRatioSection;
    std::array<int, k_Max_Load_Cases + 1> b_CaseOverCapacity;      // the moment exceeds the capacity somewhere
    std::array<double, k_Max_Load_Cases + 1> rd_CaseOverCapacityTop;     // (in | m)
    std::array<double, k_Max_Load_Cases + 1> rd_CaseOverCapacityBottom;  // (in | m)
    std::array<int, k_Max_Load_Cases + 1> b_CaseBeyondCurve;       // some node past its table
    std::array<double, k_Max_Load_Cases + 1> rd_CaseBeyondTop;     // (in | m)
    std::array<double, k_Max_Load_Cases + 1> rd_CaseBeyondBottom;  // (in | m)
    int b_AnyMomentCapacity;                          // some section of the pile has a nominal capacity
    std::array<int, k_Max_Sections + 1> b_SectionTablesKept;   // the section's tables were completed
    std::array<int, k_Max_Sections + 1> i_SectionThrusts;      // thrusts of the section's tables
    std::array<std::array<double, k_Max_EI_Thrusts + 1>, k_Max_Sections + 1> rd_SectionThrust;  // (kips | kN)
    int b_LrfdPerformanceKept;                                 // all combinations reached the performance table
    int b_StiffnessMatrixKept;                                 // the pile-head stiffness study completed
    int i_NumKeptPYCurves;                                     // p-y curves printed at requested depths
    std::array<int, k_Max_Kept_PY_Curves + 1> i_KeptPYCurveKind;    // k_PY_Curve_* kind
    std::array<int, k_Max_Kept_PY_Curves + 1> i_KeptPYCurveNumber;  // number of the requested depth
    std::array<double, k_Max_Kept_PY_Curves + 1> rd_KeptPYCurveDepth;  // depth along the pile (in | m)
    std::array<int, k_Max_Kept_PY_Curves + 1> i_KeptPYCurvePoints;
    std::array<std::array<double, k_Max_Kept_PY_Points + 1>, k_Max_Kept_PY_Curves + 1> rd_KeptPY_y;  // (in | m)
    std::array<std::array<double, k_Max_Kept_PY_Points + 1>, k_Max_Kept_PY_Curves + 1> rd_KeptPY_p;  // (lb/in | kN/m)
    // The framed message of the error that ended the run, as the report or message file shows it:
    // from its heading line to the line before the raise.
    int i_ErrorTextLines;
    int b_ErrorTextOpen;                              // a heading was seen; lines are being kept
    int b_ErrorTextClosed;                            // the error status was set: nothing more is kept
    std::array<NameText, k_Max_Error_Text_Lines + 1> ErrorText;
    NameText ErrorTextOpenLine;                       // the report's open line while a frame is kept
    int i_ErrorTextOpenLength;
    // A check of the input goes on after an error where the later checks do not depend on it
    // (the data of the other pile sections): the first error is set aside whole while they run,
    // and each further one is listed by its status, input line and explanation.
    int i_SetAsideStatus;                             // the first error's status; 0: none set aside
    int i_SetAsideInputLine;
    int b_SetAsideWhileReading;
    int i_SetAsideTextLines;
    std::array<NameText, k_Max_Error_Text_Lines + 1> SetAsideText;
    int i_NumFurtherErrors;
    std::array<int, k_Max_Further_Errors + 1> i_FurtherErrorStatus;
    std::array<int, k_Max_Further_Errors + 1> i_FurtherErrorLine;
    std::array<std::array<char, k_Further_Error_Length>, k_Max_Further_Errors + 1> FurtherErrorText;
};

extern AnalysisModel g_Model;

// Deflection of node k, k = -1 .. NumNodes + 1 (nodes -1 and 0 lie above the head, NumNodes + 1
// below the tip).
constexpr int k_Y_Node_Offset = 2;
inline double& Y_Node(int k) { return g_Model.Y_Node_Store[k + k_Y_Node_Offset]; }

// Whether p-y curves are printed at requested depths: asked for, with at least one depth.
inline bool PY_Curves_Requested() { return g_Model.b_PrintPYCurves != 0 && g_Model.NumPYOutputDepths > 0; }

// Number of cases the run analyses: the LRFD combinations in an LRFD run, otherwise the
// pile-head load cases.
inline int Analysed_Case_Count() {
    return g_Model.b_UseLRFD != 0 ? g_Model.NumLrfdCombinations : g_Model.NumLoadCases;
}

// Puts the model into its initial state in place: every count zero, every flag NO, every table
// empty, no unit system, the soil type code table set up. On the first call of a process it
// clears nothing; on a later one, what the previous call can have used.
void Initialize_Model();
