// Keeping the framed message of the ending error (see error_text.h). The kept lines are the
// model's ErrorText; the report's open line is gathered in ErrorTextOpenLine while a frame is
// being kept.
#include "report/error_text.h"

#include <cstdlib>
#include <cstring>

#include "engine/orvane.h"
#include "model/model.h"

namespace {

bool Contains(const char* text, std::size_t length, const char* word) {
    const std::size_t n = std::strlen(word);
    for (std::size_t i = 0; i + n <= length; ++i) {
        if (std::memcmp(text + i, word, n) == 0) return true;
    }
    return false;
}

// A frame's heading: blanks, then asterisks, and an error's name ("**** Runtime Error No. 9 ****",
// "  ****  Runtime Error No. 10  ****  ", "***** INPUT ERROR *****"); a warning's heading ends a
// kept frame instead ("**** Warning - Possible Input Data Error ****" is a warning's).
enum class Heading { None, Error, Warning };
Heading Heading_Of(const char* text, std::size_t length) {
    std::size_t i = 0;
    while (i < length && text[i] == ' ') ++i;
    if (i >= length || text[i] != '*') return Heading::None;
    if (Contains(text, length, "arning") || Contains(text, length, "ARNING")) return Heading::Warning;
    if (Contains(text, length, "Error") || Contains(text, length, "ERROR")) return Heading::Error;
    return Heading::None;
}

void Add_Line(const char* text, std::size_t length) {
    AnalysisModel& m = g_Model;
    if (m.i_ErrorTextLines >= k_Max_Error_Text_Lines) return;
    NameText& line = m.ErrorText[++m.i_ErrorTextLines];
    const std::size_t n = length < static_cast<std::size_t>(k_Name_Length) ? length : k_Name_Length;
    std::memcpy(line.data(), text, n);
    line[n] = '\0';
}

// The number after "Error No" in a heading, or 0 when it names none.
int Error_Number_Of(const char* heading) {
    const char* at = std::strstr(heading, "Error No");
    if (at == nullptr) return 0;
    at += 8;
    while (*at == '.' || *at == ' ') ++at;
    return static_cast<int>(std::strtol(at, nullptr, 10));
}

}  // namespace

void Open_Error_Text() {
    AnalysisModel& m = g_Model;
    if (m.b_ErrorTextClosed != 0) return;
    m.i_ErrorTextLines = 0;
    m.i_ErrorTextOpenLength = 0;
    m.b_ErrorTextOpen = -1;
}

void Reset_Error_Text() {
    AnalysisModel& m = g_Model;
    m.b_ErrorTextClosed = 0;
    m.b_ErrorTextOpen = 0;
    m.i_ErrorTextLines = 0;
    m.i_ErrorTextOpenLength = 0;
    m.i_ErrorInputLine = 0;
    m.b_ErrorWhileReading = 0;
}

void Reopen_Error_Text() {
    AnalysisModel& m = g_Model;
    m.b_ErrorTextClosed = 0;
    m.i_ErrorTextLines = 0;
    m.i_ErrorTextOpenLength = 0;
    m.b_ErrorTextOpen = -1;
    m.i_ErrorInputLine = 0;
    m.b_ErrorWhileReading = 0;
}

void Keep_Written_Line(const char* text, std::size_t length) {
    AnalysisModel& m = g_Model;
    if (m.b_ErrorTextClosed != 0) return;
    switch (Heading_Of(text, length)) {
        case Heading::Error:
            // a frame written to both files shows its heading twice: the second copy replaces the first
            m.i_ErrorTextLines = 0;
            m.i_ErrorTextOpenLength = 0;
            m.b_ErrorTextOpen = -1;
            break;
        case Heading::Warning: m.b_ErrorTextOpen = 0; return;
        case Heading::None: break;
    }
    if (m.b_ErrorTextOpen != 0) Add_Line(text, length);
}

void Keep_Written_Text(const char* text, std::size_t length) {
    AnalysisModel& m = g_Model;
    if (m.b_ErrorTextOpen == 0 || m.b_ErrorTextClosed != 0) return;
    std::size_t n = static_cast<std::size_t>(m.i_ErrorTextOpenLength);
    for (std::size_t i = 0; i < length && n < static_cast<std::size_t>(k_Name_Length); ++i) {
        m.ErrorTextOpenLine[n++] = text[i];
    }
    m.i_ErrorTextOpenLength = static_cast<int>(n);
}

void Keep_Line_End() {
    AnalysisModel& m = g_Model;
    if (m.b_ErrorTextOpen == 0 || m.b_ErrorTextClosed != 0) return;
    Add_Line(m.ErrorTextOpenLine.data(), static_cast<std::size_t>(m.i_ErrorTextOpenLength));
    m.i_ErrorTextOpenLength = 0;
}

void Close_Error_Text(int status) {
    AnalysisModel& m = g_Model;
    if (m.b_ErrorTextClosed != 0) return;
    m.b_ErrorTextClosed = -1;
    m.b_ErrorTextOpen = 0;
    // an error of the reader arises at the line it has just read
    if (m.b_ReadingInput != 0) {
        m.i_ErrorInputLine = m.i_InputLineNumber;
        m.b_ErrorWhileReading = -1;
    }
    const bool numbered = status > ORVANE_RESULT_INPUT_ERROR_BASE && status < ORVANE_RESULT_RUNTIME_ERROR_BASE + 100 &&
                          status != ORVANE_RESULT_RUNTIME_ERROR_BASE;
    if (numbered && m.i_ErrorTextLines >= 1) {
        const int named = Error_Number_Of(m.ErrorText[1].data());
        if (named != 0 && named != status % 100) m.i_ErrorTextLines = 0;
    }
}
