// Preparation of the private working directory, the engine call, the move of the outputs into
// place and the outcome line. The engine writes its files in a private directory inside the
// output folder; each finished file is then renamed into place whole, under a lock on the folder,
// so that two runs writing the same names never leave a file mixed from both.
#include "driver.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "engine/orvane.h"
#include "html_report.h"
#include "results_data.h"
#include "results_plots.h"

namespace fs = std::filesystem;

namespace {

constexpr int k_Status_File_Error = ORVANE_RESULT_RUNTIME_ERROR_BASE + 7;   // Runtime Error No. 7: a file not opened
constexpr int k_Status_Write_Failure = ORVANE_RESULT_RUNTIME_ERROR_BASE + 8;  // Runtime Error No. 8: an output cut short
constexpr int k_Name_Field = 256;       // the engine reads each name as a 256-character field
constexpr int k_MvsEI_Names = 100;      // moment-curvature names the engine can keep
constexpr int k_Max_Sections = 20;      // pile sections a problem can hold (one figure each)

// The suffixes of every figure a run can have, so that none of an earlier run of the same stem is
// left beside the new ones.
std::vector<std::string> All_Figure_Suffixes() {
    std::vector<std::string> s = {"-response.svg", "-py-curves.svg", "-head-load-deflection.svg",
                                  "-length-study.svg", "-stiffness.svg"};
    for (int k = 1; k <= k_Max_Sections; ++k) s.push_back("-section-" + std::to_string(k) + ".svg");
    return s;
}

// Moment-curvature file k of the run whose files are named by `names`.
std::string Mc_File(const OutputNames& names, int k) { return names.mc_prefix + std::to_string(k) + ".txt"; }

// The printable HTML report beside the text report.
std::string Html_File(const OutputNames& names) { return names.stem + "-report.html"; }

// Every file a run can write, in the order they are put in place: the engine's report, plot and
// message files, the JSON results file, the HTML report, the figures, the moment-curvature files.
std::vector<std::string> Run_Files(const OutputNames& names) {
    std::vector<std::string> files = {names.report, names.plot, names.messages, names.results, Html_File(names)};
    for (const std::string& suffix : All_Figure_Suffixes()) files.push_back(names.stem + suffix);
    for (int k = 1; k <= k_MvsEI_Names; ++k) files.push_back(Mc_File(names, k));
    return files;
}

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

bool Is_Input_Error(int result) {
    return result > ORVANE_RESULT_INPUT_ERROR_BASE && result < ORVANE_RESULT_RUNTIME_ERROR_BASE;
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

// The paths of the entries of a directory, as the directory's path joined with each name.
std::set<std::string> Files_In(const fs::path& dir) {
    std::set<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        names.insert(it->path().string());
    }
    return names;
}

// Puts the finished file `from` (in the private directory) in place of `to`, whole. An earlier
// regular file `to` is exchanged with it in one step, so that a reader finds the old file or the
// new one, never neither, and the old one is then removed from the private directory. (A plain
// rename over an existing file would do the same for the reader, but some file systems write the
// new file out to the disk before such a rename returns, which costs a small problem's run more
// than its analysis.) Anything else at `to` takes the plain rename and its refusals. Returns
// false, with errno set, when the file could not be put in place.
bool Put_In_Place(const std::string& from, const std::string& to) {
    struct stat earlier;
    if (lstat(to.c_str(), &earlier) == 0 && S_ISREG(earlier.st_mode) &&
        renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_EXCHANGE) == 0) {
        if (unlink(from.c_str()) == 0) return true;
        // what came back is not the earlier file (it was replaced meanwhile): give it its place
        const int why = errno;
        renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_EXCHANGE);
        errno = why;
        return false;
    }
    return std::rename(from.c_str(), to.c_str()) == 0;
}

// Renames the engine's outputs from the private directory into place, each file whole, under an
// exclusive lock on the output folder that a second run into the same folder waits for. Earlier
// moment-curvature files of the same stem go first, so that none of another run is left beside
// these. Returns an empty text, or what went wrong.
// The JSON results file and the figures, when asked for, go the same way; figures of an earlier run
// of this stem are removed first, since this run may have fewer.
std::string Move_Outputs_Into_Place(const OutputNames& from, const OutputNames& to, const fs::path& dir,
                                    const DriverRequest& request) {
    const int lock = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (lock < 0 || flock(lock, LOCK_EX) != 0) {
        if (lock >= 0) close(lock);
        return "cannot lock the output directory " + dir.string() + ": " + std::strerror(errno);
    }
    std::string failure;
    std::error_code ec;
    // one listing of each folder tells which of the hundred moment-curvature names (and the
    // figures) exist, in place of a look-up of every name
    std::vector<std::string> stale;
    for (int k = 1; k <= k_MvsEI_Names; ++k) stale.push_back(Mc_File(to, k));
    if (request.plots) {
        for (const std::string& suffix : All_Figure_Suffixes()) stale.push_back(to.stem + suffix);
    }
    const std::set<std::string> in_place = Files_In(dir);
    for (const std::string& name : stale) {
        if (in_place.count(name) != 0) fs::remove(name, ec);
    }
    // what this run wrote (the JSON file, the HTML report and the figures only when asked for)
    // goes into place
    const std::set<std::string> written = Files_In(fs::path(from.report).parent_path());
    const std::vector<std::string> sources = Run_Files(from);
    const std::vector<std::string> targets = Run_Files(to);
    for (std::size_t i = 0; i < sources.size(); ++i) {
        if (written.count(sources[i]) == 0) continue;
        if (!Put_In_Place(sources[i], targets[i]) && failure.empty()) {
            failure = "cannot write " + targets[i] + ": " + std::strerror(errno);
        }
    }
    flock(lock, LOCK_UN);
    close(lock);
    return failure;
}

// A text the engine handed out, released when it goes.
struct EngineText {
    char* text;
    explicit EngineText(char* t) : text(t) {}
    ~EngineText() { orvane_free(text); }
    EngineText(const EngineText&) = delete;
    EngineText& operator=(const EngineText&) = delete;
    std::string str() const { return text != nullptr ? std::string(text) : std::string(); }
};

// Writes the JSON results file, the HTML report and the figures asked for beside the engine's files in the private
// directory, from the engine's results document of the run just ended. Returns an empty text, or
// what went wrong.
std::string Write_Results_Files(const DriverRequest& request, const OutputNames& at) {
    const EngineText document(orvane_results_json());
    if (document.text == nullptr) return "the engine handed out no results document";
    std::vector<std::pair<std::string, std::string>> files;
    FigureOptions options;
    options.py_common_scale = request.py_common_scale;
    if (request.json) files.emplace_back(at.results, document.str());
    if (request.html) files.emplace_back(Html_File(at), Html_Report(document.str(), options));
    if (request.plots) {
        for (const FigureFile& f : Results_Figures(Run_Results_From_Document(document.text), options)) {
            files.emplace_back(at.stem + f.suffix, f.svg);
        }
    }
    for (const auto& f : files) {
        std::ofstream out(f.first, std::ios::binary);
        out << f.second;
        out.close();
        if (!out) return "cannot write " + f.first + ": " + std::strerror(errno != 0 ? errno : EIO);
    }
    return "";
}

// What a signal that ends the run early removes: every file the run can leave in its private
// working directory, then the directory itself. Filled before the handlers are installed and left
// unchanged while they are, so that the handler only reads it.
std::vector<std::string> g_Work_Files;
std::string g_Work_Dir;
constexpr int k_Ending_Signals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

extern "C" void Remove_Work_Dir_And_End(int signal_number) {
    // unlink and rmdir are safe in a handler; the names are C strings already
    for (const std::string& file : g_Work_Files) unlink(file.c_str());
    rmdir(g_Work_Dir.c_str());
    signal(signal_number, SIG_DFL);
    raise(signal_number);
}

// While it lives, a signal that would end the command removes the private working directory
// first, so that an interrupted run leaves nothing behind; the earlier handlers come back after.
class WorkDirOnSignal {
public:
    WorkDirOnSignal(const fs::path& work, const OutputNames& in_work) {
        g_Work_Dir = work.string();
        g_Work_Files = Run_Files(in_work);
        g_Work_Files.push_back((work / "NAMES.DAT").string());
        g_Work_Files.push_back((work / "M_vs_EI_report_names.txt").string());
        struct sigaction action {};
        action.sa_handler = Remove_Work_Dir_And_End;
        sigemptyset(&action.sa_mask);
        for (int i = 0; i < k_Signals; ++i) sigaction(k_Ending_Signals[i], &action, &earlier_[i]);
    }
    ~WorkDirOnSignal() {
        for (int i = 0; i < k_Signals; ++i) sigaction(k_Ending_Signals[i], &earlier_[i], nullptr);
    }
    WorkDirOnSignal(const WorkDirOnSignal&) = delete;
    WorkDirOnSignal& operator=(const WorkDirOnSignal&) = delete;

private:
    static constexpr int k_Signals = sizeof k_Ending_Signals / sizeof k_Ending_Signals[0];
    struct sigaction earlier_[k_Signals];
};

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
    names.results = (dir / (stem + "-results.json")).string();
    names.stem = (dir / stem).string();
    return names;
}

namespace {

// The input data file as an absolute path, or an empty path after telling why it cannot be read.
fs::path Readable_Input(const std::string& given) {
    std::error_code ec;
    const fs::path input = fs::absolute(fs::path(given), ec).lexically_normal();
    if (ec || !fs::is_regular_file(input, ec)) {
        Driver_Error("cannot read input data file " + given + ": " +
                     (fs::exists(given, ec) ? "not a regular file" : "no such file"));
        return fs::path();
    }
    if (access(input.c_str(), R_OK) != 0) {
        Driver_Error("cannot read input data file " + given + ": " + std::strerror(errno));
        return fs::path();
    }
    return input;
}

}  // namespace

int Run_Check(const DriverRequest& request) {
    const fs::path input = Readable_Input(request.input);
    if (input.empty()) return k_Exit_Driver_Error;
    const EngineText document(orvane_check_json(input.c_str()));
    if (document.text == nullptr) return Driver_Error("the engine handed out no check document");
    if (request.json) {
        std::fputs(document.text, stdout);
        const nlohmann::json doc = nlohmann::json::parse(document.text, nullptr, false);
        return doc.is_object() && doc.value("accepted", false) ? k_Exit_Normal : k_Exit_Input_Error;
    }
    const nlohmann::json doc = nlohmann::json::parse(document.text, nullptr, false);
    if (!doc.is_object()) return Driver_Error("the engine's check document does not read");
    // file:line: outcome, as compilers tell where a source is wrong
    std::string where = request.input;
    const nlohmann::json& errors = doc["errors"];
    if (!errors.empty() && errors[0]["line"].is_number_integer()) {
        where += ":" + std::to_string(errors[0]["line"].get<int>());
    }
    std::printf("%s: %s\n", where.c_str(), doc["outcome"]["text"].get<std::string>().c_str());
    // the further errors the check found where it could go on (the other pile sections' data)
    for (std::size_t e = 1; e < errors.size(); ++e) {
        const nlohmann::json& further = errors[e];
        std::string at = request.input;
        if (further["line"].is_number_integer()) at += ":" + std::to_string(further["line"].get<int>());
        const std::string text = further["text"].empty() ? std::string() : further["text"][0].get<std::string>();
        std::printf("%s: also %s error No. %d. %s\n", at.c_str(), further["kind"].get<std::string>().c_str(),
                    further["number"].get<int>(), text.c_str());
    }
    for (const nlohmann::json& w : doc["warnings"]) {
        std::string text;
        for (const nlohmann::json& line : w["text"]) {
            const std::string t = line.get<std::string>();
            if (t.rfind("****", 0) == 0) continue;   // the frame's heading
            text += (text.empty() ? "" : " ") + t;
        }
        std::printf("%s: warning %d (%d time%s): %s\n", request.input.c_str(), w["number"].get<int>(),
                    w["count"].get<int>(), w["count"].get<int>() == 1 ? "" : "s", text.c_str());
    }
    return doc.value("accepted", false) ? k_Exit_Normal : k_Exit_Input_Error;
}

int Run_Driver(const DriverRequest& request) {
    std::error_code ec;
    const fs::path input = Readable_Input(request.input);
    if (input.empty()) return k_Exit_Driver_Error;
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
    const std::string last_mc = Mc_File(out, k_MvsEI_Names);
    for (const std::string& name : {input.string(), out.report, out.plot, out.messages, last_mc}) {
        if (!Fits_Name_Field(name)) {
            return Driver_Error("file name longer than 256 characters or ending in a blank, "
                                "which the engine cannot take: " + name);
        }
    }

    // Outputs that exist but cannot be replaced are told now, before the engine runs.
    std::vector<std::string> replaced = {out.report, out.plot, out.messages};
    if (request.json) replaced.push_back(out.results);
    if (request.html) replaced.push_back(Html_File(out));
    for (const std::string& name : replaced) {
        if (fs::exists(name, ec) && access(name.c_str(), W_OK) != 0) {
            return Driver_Error("cannot write " + name + ": " + std::strerror(errno));
        }
    }

    // The ending signals wait from the creation of the private directory until the handlers that
    // remove it are in place: one arriving in between would leave the directory behind.
    sigset_t ending, earlier_mask;
    sigemptyset(&ending);
    for (int signal_number : k_Ending_Signals) sigaddset(&ending, signal_number);
    sigprocmask(SIG_BLOCK, &ending, &earlier_mask);
    std::string work_template = (out_dir / ".orvane-XXXXXX").string();
    if (mkdtemp(work_template.data()) == nullptr) {
        const int why = errno;
        sigprocmask(SIG_SETMASK, &earlier_mask, nullptr);
        return Driver_Error("cannot create a working directory: " + std::string(std::strerror(why)));
    }
    const fs::path work(work_template);
    const OutputNames private_out = Output_Names_For(input.string(), work.string());
    const WorkDirOnSignal cleanup_on_signal(work, private_out);
    sigprocmask(SIG_SETMASK, &earlier_mask, nullptr);
    const std::string private_last_mc = Mc_File(private_out, k_MvsEI_Names);
    for (const std::string& name : {private_out.report, private_out.plot, private_out.messages, private_last_mc}) {
        if (!Fits_Name_Field(name)) {
            Remove_Work_Dir(work);
            return Driver_Error("file name longer than 256 characters or ending in a blank, "
                                "which the engine cannot take: " + name);
        }
    }
    {
        // closed before they are checked: a full device shows only when the data leaves the buffer
        std::ofstream names(work / "NAMES.DAT");
        names << input.string() << '\n' << private_out.report << '\n' << private_out.plot << '\n'
              << private_out.messages << '\n';
        names.close();
        const int names_error = errno;
        std::ofstream mc(work / "M_vs_EI_report_names.txt");
        for (int k = 1; k <= k_MvsEI_Names; ++k) mc << Mc_File(private_out, k) << '\n';
        mc.close();
        if (!names || !mc) {
            const int why = !names ? names_error : errno;
            Remove_Work_Dir(work);
            return Driver_Error("cannot write the hand-off files in " + work.string() + ": " +
                                std::strerror(why != 0 ? why : EIO));
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
    const std::string outcome = EngineText(orvane_outcome_text()).str();
    if (result == k_Status_Write_Failure) {
        // an output is cut short: none of this run's files goes into place, the earlier stay
        Remove_Work_Dir(work);
        return Driver_Error(outcome);
    }
    if ((request.json || request.plots || request.html) && result != k_Status_File_Error) {
        const std::string written = Write_Results_Files(request, private_out);
        if (!written.empty()) {
            Remove_Work_Dir(work);
            return Driver_Error(written);
        }
    }
    const std::string moved = Move_Outputs_Into_Place(private_out, out, out_dir, request);
    Remove_Work_Dir(work);
    if (!moved.empty()) return Driver_Error(moved);
    if (result == k_Status_File_Error) {
        return Driver_Error("the engine could not open or create one of its files; see " + out.messages);
    }

    std::printf("%s Report: %s\n", outcome.c_str(), out.report.c_str());
    if (result <= 0) return k_Exit_Normal;
    if (Is_Input_Error(result)) return k_Exit_Input_Error;
    return k_Exit_Runtime_Error;
}
