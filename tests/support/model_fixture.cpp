#include "support/model_fixture.h"

#include <cstdio>

#include "model/model.h"

namespace {

std::vector<std::string> Read_Stream_Lines(std::FILE* f) {
    std::vector<std::string> lines;
    if (f == nullptr) return lines;
    std::fflush(f);
    std::rewind(f);
    std::string line;
    int c = 0;
    bool open = false;
    while ((c = std::fgetc(f)) != EOF) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
            open = false;
        } else {
            line.push_back(static_cast<char>(c));
            open = true;
        }
    }
    if (open) lines.push_back(line);
    std::fseek(f, 0, SEEK_END);
    return lines;
}

void Close_If_Open(std::FILE*& f) {
    if (f != nullptr) std::fclose(f);
    f = nullptr;
}

}  // namespace

void ModelTest::SetUp() { Initialize_Model(); }

void ModelTest::TearDown() {
    Close_If_Open(g_Model.InputFile);
    Close_If_Open(g_Model.ReportFile);
    Close_If_Open(g_Model.PlotFile);
    Close_If_Open(g_Model.MessageFile);
}

void Capture_Run_Files() {
    Close_If_Open(g_Model.ReportFile);
    Close_If_Open(g_Model.PlotFile);
    Close_If_Open(g_Model.MessageFile);
    g_Model.ReportFile = std::tmpfile();
    g_Model.PlotFile = std::tmpfile();
    g_Model.MessageFile = std::tmpfile();
}

std::vector<std::string> Captured_Report_Lines() { return Read_Stream_Lines(g_Model.ReportFile); }
std::vector<std::string> Captured_Message_Lines() { return Read_Stream_Lines(g_Model.MessageFile); }
std::vector<std::string> Captured_Plot_Lines() { return Read_Stream_Lines(g_Model.PlotFile); }

