// Fixed capacities of the analysis model. Every table is sized to its capacity + 1 and used
// 1-based; a count read from the input above its capacity is an input error, never an overrun.
#pragma once

constexpr int k_Max_Increments = 500;           // pile increments (40 to 500)
constexpr int k_Min_Increments = 40;
constexpr int k_Max_Nodes = k_Max_Increments + 1;
constexpr int k_Max_Sections = 20;              // pile sections
constexpr int k_Max_Section_Points = 2 * k_Max_Sections;   // section property table, two points per section
constexpr int k_Max_Bars = 300;                 // reinforcing bars or strands of one section
constexpr int k_Max_MEI_Thrusts = 100;          // axial thrusts of a user-defined M-EI table
constexpr int k_Max_MEI_Points = 150;           // points per thrust of a user-defined M-EI table
constexpr int k_Max_Concrete_Curve_Points = 100;   // points of an input concrete stress-strain curve
constexpr int k_Max_Layers = 40;                // soil layers
constexpr int k_Max_Soil_Points = 2 * k_Max_Layers;        // soil strength and unit weight tables
constexpr int k_Max_User_PY_Points = 29;        // points of one user-input p-y curve
constexpr int k_Max_Load_Cases = 100;           // pile-head load cases
constexpr int k_Num_Stiffness_Rows = 10;        // head loads of each pile-head stiffness series
constexpr int k_Num_Stiffness_Cases = 2 * k_Num_Stiffness_Rows;   // the shear and the moment series
constexpr int k_Max_Length_Trials = 20;         // pile lengths of the length study
constexpr int k_Max_Dist_Load_Points = 50;      // distributed lateral load profile
constexpr int k_Max_Lrfd_Loads = 100;           // LRFD unfactored loads
constexpr int k_Max_Lrfd_Dist_Points = 100;     // distributed load points of one unfactored load
constexpr int k_Max_Lrfd_Combinations = 100;    // LRFD load combinations
constexpr int k_Num_Lrfd_Load_Types = 13;       // LRFD load types
constexpr int k_Max_Soil_Movement_Points = 100; // soil movement profile
constexpr int k_Max_PY_Modifier_Points = 80;    // p-y modifier rows
constexpr int k_Max_Tip_Shear_Points = 50;      // tip shear table
constexpr int k_Max_PY_Output_Depths = 100;     // depths of printed p-y curves
constexpr int k_Max_EI_Thrusts = 100;           // axial thrusts of the section analysis
constexpr int k_Max_Curve_Points = 150;         // points of one moment-curvature curve
constexpr int k_Num_Resistance_Factors = 3;     // resistance factors of the factored-capacity table
constexpr int k_Max_MvsEI_Files = 100;          // moment-curvature file names
constexpr int k_Num_Slices = 100;               // slices of a cross-section in the section analysis
constexpr int k_Max_Outline_Points = 300;       // points of a polygon section outline
constexpr int k_Num_Title_Lines = 5;            // problem title lines
constexpr int k_Max_Warning_Number = 4000;      // warning numbers 1..4000
constexpr int k_Max_Warning_Count = 4000;       // a warning's count stops here
constexpr int k_Num_Soil_Types = 20;            // soil type code table

constexpr int k_Max_Kept_PY_Curves = k_Max_PY_Output_Depths;  // p-y curves kept for callers
constexpr int k_Max_Kept_PY_Points = 30;        // points of one kept p-y curve
constexpr int k_Max_Error_Text_Lines = 60;      // lines of the kept text of the ending error
constexpr int k_Max_Further_Errors = 20;        // errors a check of the input lists beside the first
constexpr int k_Further_Error_Length = 1024;    // characters of the explanation of each

constexpr int k_Name_Length = 256;              // file names, title lines, input text fields

// Marks an equivalent layer-top depth that has not been computed.
constexpr double k_No_Equivalent_Top = -10000.0;
