// The warning catalogue: the standard text of every warning number and the closing summary of
// the warnings recorded in a run.
#pragma once

#include <string>
#include <vector>

// Warning numbers the catalogue adds to the standard ones, for input the engine reads on with.
constexpr int k_Warning_Title_Cut = 391;          // a title line ran past its 256 characters
constexpr int k_Warning_Modifiers_Option_NO = 392; // p-y modifiers given with UsePYModifiers NO
constexpr int k_Warning_Tip_Shear_Option_NO = 393; // tip shear curve given with UseTipShear NO

// Writes the summary of warning messages to the report: each recorded warning number in
// ascending order with its count and its standard text, once.
void WriteWarningSummary();

// The number of the warning whose standard text is `text`: its heading and lines in order, each
// without surrounding blanks, empty lines left out (as a reader of the report's summary sees
// them). 0 when no standard text, or more than one, reads so.
int Warning_Number_Of_Text(const std::vector<std::string>& text);
