// Shared test fixture for the input reader: the model in its initial state, an input data file
// made from a text snippet, and the report and runtime message files kept in temporary files
// whose lines a test can read back.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Initialize_Model in SetUp; report and message files to temporary files; every file closed in
// TearDown.
class InputFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes text the input data file, positioned at its start.
    void Use_Input(const std::string& text);

    // Reads "ORVANE6", a line end and body as a complete input data file: the tag, then the
    // reader (so line numbers in messages count the tag line).
    void Read_Input(const std::string& body);

    std::vector<std::string> Report_Lines() const;
    std::vector<std::string> Message_Lines() const;

    // The first non-empty line of the report: the heading of a framed message.
    std::string First_Report_Line() const;
};

// True when lines holds exactly the line text.
bool Has_Line(const std::vector<std::string>& lines, const std::string& text);

// The sixteen lines of an OPTIONS section for a static US customary conventional analysis,
// without the keyword line; tests replace single lines (index 0 is option line 1).
std::vector<std::string> Default_Option_Lines();

// "OPTIONS" and the given option lines, each ended by a line end.
std::string Options_Section(const std::vector<std::string>& lines);
