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

// The standard text of warning `number` as the summary shows it: its heading (when it has one)
// and its lines, in order, into lines[]; returns how many, 0 for a number without a text.
constexpr int k_Max_Warning_Text_Lines = 8;
int Warning_Text_Lines(int number, const char* (&lines)[k_Max_Warning_Text_Lines]);
