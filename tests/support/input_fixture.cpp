// Input reader fixture: snippets become the input data file through temporary files.
#include "support/input_fixture.h"

#include <cstdio>

#include "engine/run_files.h"
#include "input/line_reader.h"
#include "input/reader.h"
#include "model/model.h"

namespace {

std::vector<std::string> Lines_Of(std::FILE* f) {
    std::vector<std::string> lines;
    if (f == nullptr) return lines;
    std::fflush(f);
    const long end = std::ftell(f);
    std::rewind(f);
    std::string current;
    int c = 0;
    while ((c = std::fgetc(f)) != EOF) {
        if (c == '\n') {
            lines.push_back(current);
            current.clear();
        } else {
            current.push_back(static_cast<char>(c));
        }
    }
    if (!current.empty()) lines.push_back(current);
    std::fseek(f, end, SEEK_SET);
    return lines;
}

}  // namespace

void InputFixture::SetUp() {
    Initialize_Model();
    g_Model.ReportFile = std::tmpfile();
    g_Model.MessageFile = std::tmpfile();
    ASSERT_NE(g_Model.ReportFile, nullptr);
    ASSERT_NE(g_Model.MessageFile, nullptr);
}

void InputFixture::TearDown() { Close_Run_Files(); }

void InputFixture::Use_Input(const std::string& text) {
    if (g_Model.InputFile != nullptr) std::fclose(g_Model.InputFile);
    g_Model.InputFile = std::tmpfile();
    ASSERT_NE(g_Model.InputFile, nullptr);
    std::fwrite(text.data(), 1, text.size(), g_Model.InputFile);
    std::rewind(g_Model.InputFile);
}

void InputFixture::Read_Input(const std::string& body) {
    Use_Input("ORVANE6\n" + body);
    char tag[8];
    Read_Format_Tag(tag);
    ASSERT_STREQ(tag, "ORVANE6");
    ReadInputData();
}

std::vector<std::string> InputFixture::Report_Lines() const { return Lines_Of(g_Model.ReportFile); }

std::vector<std::string> InputFixture::Message_Lines() const {
    return Lines_Of(g_Model.MessageFile);
}

std::string InputFixture::First_Report_Line() const {
    for (const std::string& l : Report_Lines()) {
        if (!l.empty()) return l;
    }
    return "";
}

bool Has_Line(const std::vector<std::string>& lines, const std::string& text) {
    for (const std::string& l : lines) {
        if (l == text) return true;
    }
    return false;
}

std::vector<std::string> Default_Option_Lines() {
    return {"Units USCS",          "UseLRFD NO",        "ComputeKmatrix NO",
            "UseTipShear NO",      "UseSoilMovement NO", "UsePYModifiers NO",
            "ComputeEIOnly NO",    "Loading STATIC",     "MaxIterations 100",
            "MaxDeflection 100.0", "Tolerance 1.0E-5",   "Increments 100",
            "PrintSummaryOnly NO", "PrintIncrement 1",   "PrintPYCurves NO",
            "ComputeInteraction NO"};
}

std::string Options_Section(const std::vector<std::string>& lines) {
    std::string text = "OPTIONS\n";
    for (const std::string& l : lines) text += l + "\n";
    return text;
}
