#include "support/test_support.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>


TempDir::TempDir() {
    std::string templ = (std::filesystem::temp_directory_path() / "orvane-test-XXXXXX").string();
    if (mkdtemp(templ.data()) == nullptr) std::abort();
    path_ = templ;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

WorkingDirectory::WorkingDirectory(const std::string& dir)
    : previous_(std::filesystem::current_path().string()) {
    std::filesystem::current_path(dir);
}

WorkingDirectory::~WorkingDirectory() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
}

void Write_File(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

bool File_Exists(const std::string& path) { return std::filesystem::exists(path); }

std::string Read_File(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Read_Lines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

int Find_Line(const std::vector<std::string>& lines, const std::string& text, int from) {
    for (int i = from < 0 ? 0 : from; i < static_cast<int>(lines.size()); ++i) {
        if (lines[static_cast<std::size_t>(i)] == text) return i;
    }
    return -1;
}

::testing::AssertionResult Near_Rel(double actual, double expected, double rel) {
    const double diff = std::fabs(actual - expected);
    if (diff <= rel * std::fabs(expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "actual " << actual << " differs from expected "
                                         << expected << " by " << diff / std::fabs(expected)
                                         << " (relative), more than " << rel;
}
