// Line writers of the run's report and runtime message file.
#include "engine/messages.h"

#include <cstdio>
#include <cstring>

#include "model/model.h"
#include "report/error_text.h"

namespace {

void Write_Line_To(std::FILE* f, const char* text) {
    std::fputs(text, f);
    std::fputc('\n', f);
}

}  // namespace

void Write_Report_Line(const char* text) {
    // Before the report is open there is nowhere to put report lines; the runtime message
    // destination (standard error at that point) carries what the user needs.
    if (g_Model.ReportFile != nullptr) Write_Line_To(g_Model.ReportFile, text);
    Keep_Written_Line(text, std::strlen(text));
}

void Write_Message_Line(const char* text) {
    // a check of the input writes nothing: its errors are kept for the caller alone
    if (g_Model.MessageFile != nullptr) Write_Line_To(g_Model.MessageFile, text);
    else if (g_Model.b_CheckOnly == 0) Write_Line_To(stderr, text);
    Keep_Written_Line(text, std::strlen(text));
}

void Write_Stderr_Line(const char* text) { Write_Line_To(stderr, text); }

void Write_Report_Lines(std::initializer_list<const char*> lines) {
    for (const char* l : lines) Write_Report_Line(l);
}

void Write_Message_Lines(std::initializer_list<const char*> lines) {
    for (const char* l : lines) Write_Message_Line(l);
}
