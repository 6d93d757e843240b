// A private working directory for an end-to-end run: created under the system's temporary
// directory, made the current directory, and removed with its files when the test ends.
#pragma once

#include <string>
#include <vector>

class TempWorkDir {
public:
    TempWorkDir();
    ~TempWorkDir();
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;

    const std::string& Path() const { return path_; }

    // Writes a file of the working directory.
    void Write(const std::string& name, const std::string& text) const;

private:
    std::string path_;
    std::string previous_;
};

// The lines of a whole file; empty when it cannot be read.
std::vector<std::string> Read_File_Lines(const std::string& path);

// The contents of a whole file.
std::string Read_File_Text(const std::string& path);
