// ReadOptions: the fixed sequence of option lines and their checks. The unit system read here is
// what later sections (SECTIONS, SOIL MOVEMENTS) use for their SI conversions, so the front end
// writes OPTIONS first.
//
// OPTIONS: Units line, six YES/NO lines (UseLRFD .. ComputeEIOnly), the fixed-column loading
// type line, label-and-value lines for the iteration limit, deflection limit, tolerance and
// increments, PrintSummaryOnly, label-and-value printing increment, PrintPYCurves,
// ComputeInteraction, and after ComputeInteraction YES a label and the interaction code.
#include "input/options.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#include "engine/errors.h"
#include "engine/messages.h"
#include "input/input_errors.h"
#include "input/line_reader.h"
#include "model/model.h"
#include "model/units.h"

namespace {

// Limits of the convergence tolerance. The US customary upper limit is the single-precision 0.1.
constexpr double k_Tolerance_Min_US = 1.0e-20;                // inches
constexpr double k_Tolerance_Max_US = 0.10000000149011612;    // 0.1 (s), inches
constexpr double k_Tolerance_Min_SI = 2.54e-22;               // meters
constexpr double k_Tolerance_Max_SI = 2.54e-3;                // meters
constexpr int k_Min_Iterations = 30;
constexpr int k_Max_Iterations = 1000;
constexpr int k_Label_Width = 16;       // characters of an option label looked at
constexpr int k_Code_Width = 11;        // characters of the interaction code looked at

// The values the option lines accept, in the words the reader compares. A unit system name
// takes the place of the same index in k_Unit_Systems; a loading type's index 0 is cyclic;
// an interaction code is its index + 1.
constexpr const char* k_Units_Keyword = "Units";
constexpr const char* k_Unit_System_Names[] = {"USCS", "SI", "GENERAL"};
constexpr int k_Unit_Systems[] = {k_Units_US, k_Units_SI, k_Units_General};
constexpr const char* k_Yes_No_Values[] = {"YES", "NO"};   // -1 and 0
constexpr int k_Num_Yes_No = static_cast<int>(std::size(k_Yes_No_Values));
constexpr const char* k_Loading_Types[] = {"CYCLIC", "STATIC"};
constexpr const char* k_Interaction_Codes[] = {"AASHTO", "ACI318", "Eurocode2"};
static_assert(std::size(k_Unit_System_Names) == std::size(k_Unit_Systems),
              "one unit system per name");

// A YES/NO option line: "<keyword> YES" or "<keyword> NO".
struct YesNoOption {
    const char* keyword;
    const char* what;         // named in "INPUT ERROR - Unrecognized command for <what>"
    bool blank_before;        // an empty line precedes the error text
    bool blank_after;         // an empty line follows it
};

constexpr YesNoOption k_UseLRFD = {"UseLRFD", "LRFD analysis option", true, false};
constexpr YesNoOption k_ComputeKmatrix = {"ComputeKmatrix",
                                          "compute pile-head stiffness matrix option", true, false};
constexpr YesNoOption k_UseTipShear = {"UseTipShear", "tip shear option", true, false};
constexpr YesNoOption k_UseSoilMovement = {"UseSoilMovement", "soil movement option", true, true};
constexpr YesNoOption k_UsePYModifiers = {"UsePYModifiers", "use of p-y modifiers option", true,
                                          false};
constexpr YesNoOption k_ComputeEIOnly = {"ComputeEIOnly", "compute nonlinear EI only option",
                                         true, false};
constexpr YesNoOption k_PrintSummaryOnly = {"PrintSummaryOnly", "print summary only option", true,
                                            false};
constexpr YesNoOption k_PrintPYCurves = {"PrintPYCurves", "p-y curve output depths option", true,
                                         false};
constexpr YesNoOption k_ComputeInteraction = {"ComputeInteraction", "compute interaction option",
                                              false, false};

// Every option line recognized by its words, in reading order; the loading type and the
// interaction code lines have a label that is not compared, so only their values are listed.
constexpr OptionWords k_Option_Words[] = {
    {k_Units_Keyword, k_Unit_System_Names, static_cast<int>(std::size(k_Unit_System_Names))},
    {k_UseLRFD.keyword, k_Yes_No_Values, k_Num_Yes_No},
    {k_ComputeKmatrix.keyword, k_Yes_No_Values, k_Num_Yes_No},
    {k_UseTipShear.keyword, k_Yes_No_Values, k_Num_Yes_No},
    {k_UseSoilMovement.keyword, k_Yes_No_Values, k_Num_Yes_No},
    {k_UsePYModifiers.keyword, k_Yes_No_Values, k_Num_Yes_No},
    {k_ComputeEIOnly.keyword, k_Yes_No_Values, k_Num_Yes_No},
    {"", k_Loading_Types, static_cast<int>(std::size(k_Loading_Types))},
    {k_PrintSummaryOnly.keyword, k_Yes_No_Values, k_Num_Yes_No},
    {k_PrintPYCurves.keyword, k_Yes_No_Values, k_Num_Yes_No},
    {k_ComputeInteraction.keyword, k_Yes_No_Values, k_Num_Yes_No},
    {"", k_Interaction_Codes, static_cast<int>(std::size(k_Interaction_Codes))},
};

// The option line as read and the words it may hold, after the report's established line: the
// line's number, what it reads and the valid forms, so that a misspelled word is found at once.
void Raise_Unrecognized_Command(const char* what, bool blank_before, bool blank_after,
                                const char* line, const char* valid) {
    char text[128];
    std::snprintf(text, sizeof text, "INPUT ERROR - Unrecognized command for %s", what);
    if (blank_before) Write_Report_Line("");
    Write_Report_Line(text);
    if (blank_after) Write_Report_Line("");
    char problem[2 * k_Name_Length];
    std::snprintf(problem, sizeof problem, "Problem:  Line %d of the input data file, for the %s, reads \"%s\".",
                  g_Model.i_InputLineNumber, what, line);
    char solution[2 * k_Name_Length];
    std::snprintf(solution, sizeof solution, "Solution: Write %s on this line, spelled and capitalized as shown.", valid);
    Raise_Input_Error_95(problem, solution);
}

// Reads a YES/NO line into flag (-1 YES, 0 NO). Returns false after raising No. 95 for any other
// line or No. 99 at the end of the file.
bool Read_Yes_No(const YesNoOption& option, int& flag) {
    NameText line;
    if (!Read_Required_Text_Line(line)) return false;
    char yes[64];
    char no[64];
    std::snprintf(yes, sizeof yes, "%s %s", option.keyword, k_Yes_No_Values[0]);
    std::snprintf(no, sizeof no, "%s %s", option.keyword, k_Yes_No_Values[1]);
    if (std::strcmp(line.data(), yes) == 0) {
        flag = -1;
        return true;
    }
    if (std::strcmp(line.data(), no) == 0) {
        flag = 0;
        return true;
    }
    char valid[128];
    std::snprintf(valid, sizeof valid, "\"%s %s\" or \"%s %s\"", option.keyword, k_Yes_No_Values[0],
                  option.keyword, k_Yes_No_Values[1]);
    Raise_Unrecognized_Command(option.what, option.blank_before, option.blank_after, line.data(), valid);
    return false;
}

// Line 1: "Units USCS", "Units SI" or "Units GENERAL"; anything else is an unrecognized line.
void Read_Units() {
    NameText line;
    if (!Read_Required_Text_Line(line)) return;
    for (std::size_t i = 0; i < std::size(k_Unit_System_Names); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "%s %s", k_Units_Keyword, k_Unit_System_Names[i]);
        if (std::strcmp(line.data(), name) == 0) {
            g_Model.IUNITS = k_Unit_Systems[i];
            return;
        }
    }
    char problem[2 * k_Name_Length];
    std::snprintf(problem, sizeof problem,
                  "Problem:  Line %d of the input data file, the unit system, reads \"%s\".",
                  g_Model.i_InputLineNumber, line.data());
    char solution[2 * k_Name_Length] = "Solution: Write";
    for (std::size_t i = 0; i < std::size(k_Unit_System_Names); ++i) {
        const char* joint = i == 0 ? " " : i + 1 < std::size(k_Unit_System_Names) ? ", " : " or ";
        const std::size_t used = std::strlen(solution);
        std::snprintf(solution + used, sizeof solution - used, "%s\"%s %s\"", joint, k_Units_Keyword,
                      k_Unit_System_Names[i]);
    }
    const std::size_t used = std::strlen(solution);
    std::snprintf(solution + used, sizeof solution - used, ", spelled and capitalized as shown.");
    Raise_Unreadable_Line(line.data(), problem, solution);
}

// Line 8, fixed columns: label in 1-8, CYCLIC or STATIC in 9-14, number of cycles in 15-20.
void Read_Loading_Type() {
    NameText line;
    if (!Read_Required_Text_Line(line)) return;
    // The type is checked before the cycles field: a line shifted by a column is then reported
    // as a wrong loading type, which is what it is.
    char type[7] = "      ";
    const std::size_t length = std::strlen(line.data());
    for (std::size_t col = 9; col <= 14 && col <= length; ++col) type[col - 9] = line[col - 1];
    if (std::strcmp(type, k_Loading_Types[0]) == 0) {
        g_Model.b_Cyclic = -1;
    } else if (std::strcmp(type, k_Loading_Types[1]) == 0) {
        g_Model.b_Cyclic = 0;
    } else {
        Write_Report_Line("INPUT ERROR - Unrecognized command for loading type option");
        char problem[2 * k_Name_Length];
        std::snprintf(problem, sizeof problem,
                      "Problem:  Line %d of the input data file, the loading type, reads \"%s\"; "
                      "columns 9 to 14 hold \"%s\".",
                      g_Model.i_InputLineNumber, line.data(), type);
        Raise_Input_Error_95(problem,
                             "Solution: Write \"Loading STATIC\" or \"Loading CYCLIC\" with the type in "
                             "columns 9 to 14 and the number of cycles in columns 15 to 20.");
        return;
    }
    double cycles = 0.0;
    Read_Fixed_Real_Field(line, 15, 6, "the number of cycles", cycles);
    if (g_Model.ErrorStatus != 0) return;
    g_Model.NumCycles = cycles;
    g_Model.i_LoadingTypeInputLine = g_Model.i_InputLineNumber;
}

void Read_Iteration_Limit() {
    char label[k_Label_Width + 1] = "";
    Read_Data_Line({Word_Item(label, k_Label_Width), Int_Item(g_Model.MaxIterations)});
    if (g_Model.ErrorStatus != 0) return;
    const int n = g_Model.MaxIterations;
    if (n >= k_Min_Iterations && n <= k_Max_Iterations) return;
    // "iteractions" is the message's own spelling.
    char problem[128];
    std::snprintf(problem, sizeof problem,
                  "Problem: Input value for iterations limit = %d and is %s", n,
                  n < k_Min_Iterations ? "less than 30 iteractions" : "more than 1,000 iteractions");
    Write_Report_Lines({"***** Input Data Error No. 95 *****", "", problem,
                        "Solution:  Correct input value to be between 30 and 1000 iterations.", "",
                        ""});
    Raise_Input_Error(95);
}

// The tolerance that replaces a negative one, where no limit refuses it.
constexpr double k_Default_Tolerance_in = 9.999999974752427e-07;    // 1e-6 (s) inches
constexpr double k_Default_Tolerance_m = 2.5400000325248584e-08;    // 2.54e-8 (s) meters

// Tolerance limits by unit system; general units have none.
void Check_Tolerance() {
    const double tol = g_Model.ConvergenceTolerance;
    int number = 0;
    if (g_Model.IUNITS == k_Units_US) {
        if (tol < k_Tolerance_Min_US) number = 65;
        if (tol > k_Tolerance_Max_US) number = 66;
    } else if (g_Model.IUNITS == k_Units_SI) {
        if (tol < k_Tolerance_Min_SI) number = 67;
        if (tol > k_Tolerance_Max_SI) number = 68;
    }
    if (number == 0) return;
    const char* us_advice = "The recommended value for convergence tolerance is 0.00001 inches.";
    const char* si_advice = "The recommended value for convergence tolerance is 2.54E-7 meters.";
    const char* problem = nullptr;
    const char* advice = number <= 66 ? us_advice : si_advice;
    switch (number) {
        case 65:
            problem = "Input value for convergence tolerance is too small (less than 1E-10 inches).";
            break;
        case 66:
            problem = "Input value for convergence tolerance is too large (more than 0.1 inches). ";
            break;
        case 67:
            problem =
                "Input value for convergence tolerance is too small (less than 2.5E-12 meters). ";
            break;
        default:
            problem = "Input value of convergence tolerance too large (more than 2.54E-3 meters). ";
            break;
    }
    const FortranRecord heading = Error_Heading(true, number);
    const std::initializer_list<const char*> lines = {"", heading.text.data(), "", problem, advice, ""};
    Write_Message_Lines(lines);
    Write_Report_Lines(lines);
    Raise_Input_Error(number);
}

void Check_Increments() {
    const int n = g_Model.NumIncrements;
    if (n < k_Min_Increments) {
        const std::initializer_list<const char*> lines = {
            "**** Input Data Error No. 55 ****", "",
            "Problem:  The number of pile increments is less than 40.", "",
            "Solution: Increase the number of pile increments to more than 40, preferably more "
            "than 100 increments."};
        Write_Message_Lines(lines);
        Write_Report_Lines(lines);
        Raise_Input_Error(55);
    } else if (n > k_Max_Increments) {
        const std::initializer_list<const char*> lines = {
            "**** Input Data Error No. 56 ****", "",
            "Problem:  The number of pile increments is more than 500.", "",
            "Solution: Limit the number of pile increments to 500 or less."};
        Write_Message_Lines(lines);
        Write_Report_Lines(lines);
        Raise_Input_Error(56);
    }
}

// Line 17: a label and the interaction code.
void Read_Interaction_Code() {
    char label[k_Code_Width + 1] = "";
    char code[k_Code_Width + 1] = "";
    Read_Data_Line({Word_Item(label, k_Code_Width), Word_Item(code, k_Code_Width)});
    if (g_Model.ErrorStatus != 0) return;
    for (std::size_t i = 0; i < std::size(k_Interaction_Codes); ++i) {
        if (std::strcmp(code, k_Interaction_Codes[i]) == 0) {
            g_Model.i_InteractionCode = static_cast<int>(i) + 1;
            return;
        }
    }
    Write_Report_Line("INPUT ERROR - Unrecognized command for interaction code option");
    char problem[2 * k_Name_Length];
    std::snprintf(problem, sizeof problem,
                  "Problem:  Line %d of the input data file names the interaction code \"%s\".",
                  g_Model.i_InputLineNumber, code);
    Raise_Input_Error_95(problem, "Solution: Name one of the codes AASHTO, ACI318 or Eurocode2.");
}

// Lines 2 to 7.
void Read_Analysis_Flags() {
    AnalysisModel& m = g_Model;
    if (!Read_Yes_No(k_UseLRFD, m.b_UseLRFD)) return;
    if (!Read_Yes_No(k_ComputeKmatrix, m.b_ComputeKmatrix)) return;
    if (!Read_Yes_No(k_UseTipShear, m.b_UseTipShear)) return;
    if (!Read_Yes_No(k_UseSoilMovement, m.b_UseSoilMovement)) return;
    if (!Read_Yes_No(k_UsePYModifiers, m.b_UsePYModifiers)) return;
    // The option alone asks for one row of multipliers; a GROUP EFFECT FACTORS section replaces it.
    m.NumPYModifierPoints = m.b_UsePYModifiers != 0 ? 1 : 0;
    int ei_only = 0;
    if (!Read_Yes_No(k_ComputeEIOnly, ei_only)) return;
    m.i_Analysis_Type = ei_only != 0 ? 2 : 3;
}

// Lines 9 to 12: iteration limit, deflection limit, tolerance, increments.
void Read_Solution_Control() {
    AnalysisModel& m = g_Model;
    char label[k_Label_Width + 1] = "";
    Read_Iteration_Limit();
    if (m.ErrorStatus != 0) return;
    Read_Data_Line({Word_Item(label, k_Label_Width), Real_Item(m.MaxAllowableDeflection)});
    if (m.ErrorStatus != 0) return;
    Read_Data_Line({Word_Item(label, k_Label_Width), Real_Item(m.ConvergenceTolerance)});
    if (m.ErrorStatus != 0) return;
    Check_Tolerance();
    if (m.ErrorStatus != 0) return;
    if (m.ConvergenceTolerance < 0.0) {
        // only general units let a negative tolerance through the check: the default replaces it
        m.ConvergenceTolerance = m.IUNITS == k_Units_SI ? k_Default_Tolerance_m : k_Default_Tolerance_in;
        m.b_ToleranceReset = -1;
    }
    Read_Data_Line({Word_Item(label, k_Label_Width), Int_Item(m.NumIncrements)});
    if (m.ErrorStatus != 0) return;
    Check_Increments();
}

}  // namespace

int Option_Words_Count() { return static_cast<int>(std::size(k_Option_Words)); }

const OptionWords* Option_Words(int i) {
    return i >= 0 && i < Option_Words_Count() ? &k_Option_Words[i] : nullptr;
}

void ReadOptions() {
    AnalysisModel& m = g_Model;
    Write_Message_Line("Reading analysis options");
    Read_Units();
    if (m.ErrorStatus != 0) return;
    Read_Analysis_Flags();
    if (m.ErrorStatus != 0) return;
    Read_Loading_Type();
    if (m.ErrorStatus != 0) return;
    Read_Solution_Control();
    if (m.ErrorStatus != 0) return;
    if (!Read_Yes_No(k_PrintSummaryOnly, m.b_PrintSummaryOnly)) return;
    char label[k_Label_Width + 1] = "";
    Read_Data_Line({Word_Item(label, k_Label_Width), Int_Item(m.PrintIncrement)});
    if (m.ErrorStatus != 0) return;
    if (!Read_Yes_No(k_PrintPYCurves, m.b_PrintPYCurves)) return;
    if (!Read_Yes_No(k_ComputeInteraction, m.b_ComputeInteraction)) return;
    if (m.b_ComputeInteraction != 0) Read_Interaction_Code();
}
