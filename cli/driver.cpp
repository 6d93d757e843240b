// Preparation of the private working directory, the engine call and the outcome line.
#include "driver.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "engine/orvane.h"

namespace fs = std::filesystem;

namespace {

constexpr int k_Name_Field = 256;       // the engine reads each name as a 256-character field
constexpr int k_MvsEI_Names = 100;      // moment-curvature names the engine can keep

int Driver_Error(const std::string& text) {
    std::fprintf(stderr, "orvane: %s\n", text.c_str());
    return k_Exit_Driver_Error;
}

// A name the engine will read back exactly: at most 256 characters, no line break, and no
// trailing blank (the engine drops trailing blanks of a name field).
bool Fits_Name_Field(const std::string& name) {
    return !name.empty() && name.size() <= static_cast<std::size_t>(k_Name_Field) &&
           name.find_first_of("\r\n") == std::string::npos && name.back() != ' ';
}

// Counts the distinct warning numbers the report's warning summary lists.
int Count_Warning_Kinds(const std::string& report) {
    std::ifstream in(report);
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        if (line.rfind("The following warning was reported ", 0) == 0) ++n;
    }
    return n;
}

// The first value of the input data file as the engine reads its tag: past a UTF-8 byte-order
// mark, blank lines and leading blanks, tabs or commas, up to the next separator, at most seven
// characters. Empty when the file holds no value.
std::string First_Value(const fs::path& input) {
    std::ifstream in(input, std::ios::binary);
    std::string line;
    bool first_line = true;
    while (std::getline(in, line)) {
        if (first_line && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        first_line = false;
        const std::size_t start = line.find_first_not_of(" \t,\r");
        if (start == std::string::npos) continue;
        const std::size_t end = line.find_first_of(" \t,\r", start);
        const std::string value = line.substr(start, end == std::string::npos ? std::string::npos : end - start);
        return value.substr(0, 7);
    }
    return "";
}

// Removes the private working directory and whatever hand-off files are left in it.
void Remove_Work_Dir(const fs::path& dir) {
    std::error_code ec;
    fs::remove_all(dir, ec);
}

}  // namespace

OutputNames Output_Names_For(const std::string& input, const std::string& out_dir) {
    const fs::path in = fs::absolute(fs::path(input)).lexically_normal();
    const fs::path dir = out_dir.empty() ? in.parent_path()
                                         : fs::absolute(fs::path(out_dir)).lexically_normal();
    const std::string stem = in.stem().string();
    OutputNames names;
    names.report = (dir / (stem + "-report.txt")).string();
    names.plot = (dir / (stem + "-plot.txt")).string();
    names.messages = (dir / (stem + "-messages.txt")).string();
    names.mc_prefix = (dir / (stem + "-mc")).string();
    return names;
}

std::string Describe_Result(int result, int warning_kinds) {
    char text[160];
    if (result == 0) {
        std::snprintf(text, sizeof text, "The analysis ended normally.");
    } else if (result < 0) {
        const int kinds = warning_kinds > 0 ? warning_kinds : (result == -300 ? 2 : 1);
        std::snprintf(text, sizeof text, "The analysis ended normally with %d warning kind%s.",
                      kinds, kinds == 1 ? "" : "s");
    } else if (result >= 101 && result <= 199) {
        std::snprintf(text, sizeof text, "The analysis ended due to input error No. %d.",
                      result - 100);
    } else if (result >= 201 && result <= 299) {
        std::snprintf(text, sizeof text, "The analysis ended due to runtime error No. %d.",
                      result - 200);
    } else {
        std::snprintf(text, sizeof text, "The analysis ended with engine status %d.", result);
    }
    return text;
}

int Run_Driver(const DriverRequest& request) {
    std::error_code ec;
    const fs::path input = fs::absolute(fs::path(request.input), ec).lexically_normal();
    if (ec || !fs::is_regular_file(input, ec)) {
        return Driver_Error("cannot read input data file " + request.input + ": " +
                            (fs::exists(request.input, ec) ? "not a regular file"
                                                           : "no such file"));
    }
    if (access(input.c_str(), R_OK) != 0) {
        return Driver_Error("cannot read input data file " + request.input + ": " +
                            std::strerror(errno));
    }
    // A file that is not an input data file at all gets a plain answer, not the engine's later
    // complaint about a problem without pile sections; an empty file is the engine's own error.
    const std::string tag = First_Value(input);
    if (fs::file_size(input, ec) > 0 && tag != "ORVANE6") {
        std::fprintf(stderr,
                     "orvane: %s is not an input data file: its first value must be ORVANE6, "
                     "but it is %s\n",
                     request.input.c_str(), tag.empty() ? "missing" : ("\"" + tag + "\"").c_str());
        return k_Exit_Input_Error;
    }
    const OutputNames out = Output_Names_For(request.input, request.out_dir);
    const fs::path out_dir = fs::path(out.report).parent_path();
    if (!request.out_dir.empty()) fs::create_directories(out_dir, ec);
    if (!fs::is_directory(out_dir, ec) || access(out_dir.c_str(), W_OK) != 0) {
        return Driver_Error("cannot write to output directory " + out_dir.string());
    }
    const std::string last_mc = out.mc_prefix + std::to_string(k_MvsEI_Names) + ".txt";
    for (const std::string& name : {input.string(), out.report, out.plot, out.messages, last_mc}) {
        if (!Fits_Name_Field(name)) {
            return Driver_Error("file name longer than 256 characters or ending in a blank, "
                                "which the engine cannot take: " + name);
        }
    }

    std::string work_template = (fs::temp_directory_path(ec) / "orvane-XXXXXX").string();
    if (mkdtemp(work_template.data()) == nullptr) {
        return Driver_Error("cannot create a working directory: " + std::string(std::strerror(errno)));
    }
    const fs::path work(work_template);
    {
        std::ofstream names(work / "NAMES.DAT");
        names << input.string() << '\n' << out.report << '\n' << out.plot << '\n'
              << out.messages << '\n';
        std::ofstream mc(work / "M_vs_EI_report_names.txt");
        for (int k = 1; k <= k_MvsEI_Names; ++k) mc << out.mc_prefix << k << ".txt\n";
        if (!names || !mc) {
            Remove_Work_Dir(work);
            return Driver_Error("cannot write the hand-off files in " + work.string());
        }
    }

    const fs::path home = fs::current_path(ec);
    if (ec || chdir(work.c_str()) != 0) {
        Remove_Work_Dir(work);
        return Driver_Error("cannot enter the working directory " + work.string());
    }
    const int result = ORVGO(ORVANE_INTERFACE_VERSION);
    if (chdir(home.c_str()) != 0) {
        // The outputs are complete; only the way back failed, which changes nothing for them.
    }
    Remove_Work_Dir(work);

    const int kinds = result < 0 ? Count_Warning_Kinds(out.report) : 0;
    std::printf("%s Report: %s\n", Describe_Result(result, kinds).c_str(), out.report.c_str());
    if (result <= 0) return k_Exit_Normal;
    if (result >= 101 && result <= 199) return k_Exit_Input_Error;
    return k_Exit_Runtime_Error;
}
