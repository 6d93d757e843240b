// Opening, reading, writing and closing of the run's files.
#include "engine/run_files.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "engine/errors.h"
#include "engine/line_input.h"
#include "engine/messages.h"
#include "report/fortran_format.h"

namespace {

constexpr const char* k_Names_File = "NAMES.DAT";
constexpr const char* k_MvsEI_Names_File = "M_vs_EI_report_names.txt";
constexpr const char* k_Null_Device = "/dev/null";   // where a run in memory writes its files

// Reads one line of any length; keeps its first k_Name_Length characters (without the line end)
// in line. Returns false at the end of the file or on a read error before any character.
bool Read_Field_Line(std::FILE* f, char (&line)[k_Name_Length + 1]) {
    bool cut = false;
    return Read_Line_Into(f, line, k_Name_Length, cut) >= 0;
}

bool Is_Blank(const NameText& name) { return name[0] == '\0'; }

// Writes a two-line runtime error message to standard error (the run files are not open yet)
// and raises the error.
void Raise_Names_Error(int number, const char* text) {
    const FortranRecord heading = Error_Heading(false, number);
    Write_Stderr_Line(heading.text.data());
    Write_Stderr_Line(text);
    Raise_Runtime_Error(number);
}

// A run file that cannot be opened or created: Runtime Error No. 7, told on standard error and
// in whichever of the report and the runtime message file is already open.
void Raise_Open_Error(const char* what, const NameText& name) {
    char line[k_Name_Length + 128];
    const char* lines[4] = {"**** Runtime Error No. 7 ****", nullptr,
                            "The file could not be opened or created. No analysis was performed.",
                            nullptr};
    std::snprintf(line, sizeof line, "%s: %s", what, name.data());
    lines[1] = line;
    for (int i = 0; i < 3; ++i) {
        Write_Message_Line(lines[i]);
        Write_Report_Line(lines[i]);
    }
    Raise_Runtime_Error(7);
}

}  // namespace

void Copy_Name_Field(const char* line, NameText& out) {
    int n = 0;
    while (n < k_Name_Length && line[n] != '\0' && line[n] != '\n') {
        out[n] = line[n];
        ++n;
    }
    // A CR-LF line end leaves a carriage return; it is not part of the name.
    while (n > 0 && (out[n - 1] == ' ' || out[n - 1] == '\r' || out[n - 1] == '\t')) --n;
    out[n] = '\0';
}

void Read_Names_File() {
    std::FILE* f = std::fopen(k_Names_File, "r");
    if (f == nullptr) {
        Raise_Names_Error(2, "Contents of file NAMES.DAT is corrupted.");
        return;
    }
    struct NameLine {
        NameText* name;
        int read_error;
        const char* read_text;
        const char* blank_text;
    };
    AnalysisModel& m = g_Model;
    const NameLine names[4] = {
        {&m.InputFileName, 3, "The name of the input data file is corrupted.",
         "Input data filename information corrupted. No analysis was performed."},
        {&m.ReportFileName, 4, "The name of the output report file is corrupted.",
         "Output filename information is corrupted. No analysis was performed."},
        {&m.PlotFileName, 5, "The name of the plot output file is corrupted.",
         "Plot output filename information is corrupted. No analysis was performed."},
        {&m.MessageFileName, 6, "Name of runtime message file is corrupted",
         "Run message filename information is corrupted. No analysis performed."},
    };
    for (const NameLine& n : names) {
        char line[k_Name_Length + 1];
        if (!Read_Field_Line(f, line)) {
            std::fclose(f);
            Raise_Names_Error(n.read_error, n.read_text);
            return;
        }
        Copy_Name_Field(line, *n.name);
    }
    std::fclose(f);
    for (const NameLine& n : names) {
        if (Is_Blank(*n.name)) {
            Raise_Names_Error(17, n.blank_text);
            return;
        }
    }
}

void Open_Run_Files() {
    AnalysisModel& m = g_Model;
    m.InputFile = std::fopen(m.InputFileName.data(), "rb");
    if (m.InputFile == nullptr) {
        Raise_Open_Error("Input data file cannot be opened", m.InputFileName);
        return;
    }
    m.ReportFile = std::fopen(m.ReportFileName.data(), "w");
    if (m.ReportFile == nullptr) {
        Raise_Open_Error("Output report file cannot be created", m.ReportFileName);
        return;
    }
    std::setvbuf(m.ReportFile, m.ReportBuffer.data(), _IOFBF, m.ReportBuffer.size());
    m.PlotFile = std::fopen(m.PlotFileName.data(), "w");
    if (m.PlotFile == nullptr) {
        Raise_Open_Error("Plot output file cannot be created", m.PlotFileName);
        return;
    }
    std::setvbuf(m.PlotFile, m.PlotBuffer.data(), _IOFBF, m.PlotBuffer.size());
    m.MessageFile = std::fopen(m.MessageFileName.data(), "w");
    if (m.MessageFile == nullptr) {
        Raise_Open_Error("Runtime message file cannot be created", m.MessageFileName);
        return;
    }
}

void Open_Input_File(const char* path) {
    AnalysisModel& m = g_Model;
    Copy_Name_Field(path, m.InputFileName);
    m.InputFile = std::fopen(m.InputFileName.data(), "rb");
    if (m.InputFile == nullptr) Raise_Open_Error("Input data file cannot be opened", m.InputFileName);
}

void Open_Text_Input(const char* text, std::size_t length, const char* name) {
    AnalysisModel& m = g_Model;
    Copy_Name_Field(name != nullptr ? name : "", m.InputFileName);
    m.b_TextInput = -1;
    m.i_InputTextLength = static_cast<long long>(length);
    // an empty text is an empty input data file: the run tells it as such (no stream of no bytes)
    m.InputFile = length > 0 ? fmemopen(const_cast<char*>(text), length, "rb") : std::fopen(k_Null_Device, "rb");
    if (m.InputFile == nullptr) {
        Raise_Open_Error("Input data text cannot be read", m.InputFileName);
        return;
    }
    // the writers go on as for files; what they write goes nowhere
    std::FILE** outputs[3] = {&m.ReportFile, &m.PlotFile, &m.MessageFile};
    for (std::FILE** f : outputs) {
        *f = std::fopen(k_Null_Device, "w");
        if (*f == nullptr) {
            NameText device;
            Copy_Name_Field(k_Null_Device, device);
            Raise_Open_Error("The null device cannot be opened", device);
            return;
        }
    }
    std::setvbuf(m.ReportFile, m.ReportBuffer.data(), _IOFBF, m.ReportBuffer.size());
    std::setvbuf(m.PlotFile, m.PlotBuffer.data(), _IOFBF, m.PlotBuffer.size());
}

void Read_MvsEI_File_Names() {
    std::FILE* f = std::fopen(k_MvsEI_Names_File, "r");
    if (f == nullptr) return;   // no list: no moment-curvature files are written
    AnalysisModel& m = g_Model;
    char line[k_Name_Length + 1];
    while (Read_Field_Line(f, line)) {
        // Only 100 names can be kept; the rest of the list is read past and ignored.
        if (m.i_NumMvsEIFileNames < k_Max_MvsEI_Files) {
            ++m.i_NumMvsEIFileNames;
            Copy_Name_Field(line, m.MvsEIFileNames[m.i_NumMvsEIFileNames]);
        }
    }
    std::fclose(f);
    std::remove(k_MvsEI_Names_File);
}

void Close_Run_Files() {
    AnalysisModel& m = g_Model;
    if (m.InputFile != nullptr) std::fclose(m.InputFile);
    m.InputFile = nullptr;
    // an output whose buffered data or closing failed (a full device) is incomplete
    Close_Output_File(m.ReportFile, m.ReportFileName.data());
    Close_Output_File(m.PlotFile, m.PlotFileName.data());
    Close_Output_File(m.MessageFile, m.MessageFileName.data());
    m.ReportFile = m.PlotFile = m.MessageFile = nullptr;
}

long long Input_File_Size() {
    if (g_Model.InputFile == nullptr) return -1;
    if (g_Model.b_TextInput != 0) return g_Model.i_InputTextLength;
    struct stat st;
    if (fstat(fileno(g_Model.InputFile), &st) != 0) return -1;
    return static_cast<long long>(st.st_size);
}

void Split_File_Name(const char* name, FileNameParts& parts) {
    parts.drive[0] = '\0';
    const char* slash = std::strrchr(name, '/');
    const char* base = slash != nullptr ? slash + 1 : name;
    const std::size_t dir_len = static_cast<std::size_t>(base - name);
    std::snprintf(parts.directory, sizeof parts.directory, "%.*s", static_cast<int>(dir_len), name);
    // A leading dot names a hidden file, not an extension.
    const char* dot = std::strrchr(base, '.');
    if (dot == base) dot = nullptr;
    const std::size_t base_len = dot != nullptr ? static_cast<std::size_t>(dot - base) : std::strlen(base);
    std::snprintf(parts.base, sizeof parts.base, "%.*s", static_cast<int>(base_len), base);
    std::snprintf(parts.extension, sizeof parts.extension, "%s", dot != nullptr ? dot : "");
}
