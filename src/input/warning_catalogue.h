// The warning catalogue: the standard text of every warning number and the closing summary of
// the warnings recorded in a run.
#pragma once

// Warning numbers the catalogue adds to the standard ones, for input the engine reads on with.
constexpr int k_Warning_Title_Cut = 391;          // a title line ran past its 256 characters
constexpr int k_Warning_Modifiers_Option_NO = 392; // p-y modifiers given with UsePYModifiers NO
constexpr int k_Warning_Tip_Shear_Option_NO = 393; // tip shear curve given with UseTipShear NO

// Writes the summary of warning messages to the report: each recorded warning number in
// ascending order with its count and its standard text, once.
void WriteWarningSummary();
