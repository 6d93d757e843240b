// Temporary working directories and file helpers for end-to-end tests.
#include "support/temp_dir.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

TempWorkDir::TempWorkDir() {
    char buffer[4096];
    previous_ = getcwd(buffer, sizeof buffer) != nullptr ? buffer : ".";
    std::string pattern = (std::filesystem::temp_directory_path() / "orvane-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    if (!path_.empty() && chdir(path_.c_str()) != 0) path_.clear();
}

TempWorkDir::~TempWorkDir() {
    if (chdir(previous_.c_str()) != 0) return;
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

void TempWorkDir::Write(const std::string& name, const std::string& text) const {
    std::ofstream out(path_ + "/" + name, std::ios::binary);
    out << text;
}

std::vector<std::string> Read_File_Lines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    std::string l;
    while (std::getline(in, l)) lines.push_back(l);
    return lines;
}

std::string Read_File_Text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
