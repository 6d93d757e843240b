// Shared pieces of the test suite that need no engine internals: a temporary working directory,
// file readers and a relative-tolerance check. Usable from the end-to-end tests, which see the
// engine only through ORVGO.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A fresh temporary directory, removed with everything in it when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Changes the working directory for the lifetime of the object.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::string& dir);
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::string previous_;
};

void Write_File(const std::string& path, const std::string& content);
bool File_Exists(const std::string& path);
std::string Read_File(const std::string& path);
std::vector<std::string> Read_Lines(const std::string& path);

// Index of the first line equal to text at or after from, or -1.
int Find_Line(const std::vector<std::string>& lines, const std::string& text, int from = 0);

// Relative comparison with a named tolerance: |actual - expected| <= rel * |expected|.
::testing::AssertionResult Near_Rel(double actual, double expected, double rel);
#define EXPECT_NEAR_REL(actual, expected, rel) EXPECT_TRUE(Near_Rel((actual), (expected), (rel)))
