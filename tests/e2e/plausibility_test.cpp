// Unit plausibility warnings and the check of the input, through the public interface: values
// given in the other unit system's units are warned about and used as given, and the check
// (orvane_check_json) gives the error a run would end with, at its input line, writing no file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "e2e/run_support.h"
#include "engine/orvane.h"
#include "support/test_support.h"

namespace {

using json = nlohmann::json;

std::string Example(const char* name) { return Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/" + name); }

std::string Changed(const std::string& text, const std::string& from, const std::string& to) {
    std::string s = text;
    const std::size_t at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) s.replace(at, from.size(), to);
    return s;
}

json Check(const TempDir& dir, const std::string& text) {
    const std::string path = dir.file("checked.lp");
    Write_File(path, text);
    char* document = orvane_check_json(path.c_str());
    EXPECT_NE(document, nullptr);
    json doc = json::parse(document != nullptr ? document : "{}");
    orvane_free(document);
    return doc;
}

// The names of the files in a folder.
std::vector<std::string> Files_In(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    return names;
}

std::vector<int> Warning_Numbers(const json& doc) {
    std::vector<int> numbers;
    for (const json& w : doc.at("warnings")) numbers.push_back(w.at("number"));
    return numbers;
}

struct PlausibilityCase {
    const char* name;
    const char* example;
    const char* from;
    const char* to;
    std::vector<int> warnings;
};

TEST(UnitPlausibility, ValuesOfTheOtherUnitSystemAreWarnedAboutAndUsed) {
    const PlausibilityCase cases[] = {
        {"the examples as they are", "pipe-pile-soft-clay.lp", "", "", {}},
        {"US example as it is", "pipe-pile-sand.lp", "", "", {}},
        // an SI diameter in meters where millimeters belong: 0.762 mm, a pile 39,370 diameters long
        {"SI diameter in meters", "pipe-pile-soft-clay.lp", "\n762.0\n762.0\n", "\n0.762\n0.762\n", {394, 395}},
        {"SI diameter of 20 m", "pipe-pile-soft-clay.lp", "\n762.0\n762.0\n", "\n20000.0\n20000.0\n", {394}},
        {"SI unit weight in pcf", "pipe-pile-soft-clay.lp", "6.0  12.0  0.0", "110.0  12.0  0.0", {398}},
        {"SI cohesion in psf", "pipe-pile-soft-clay.lp", "6.0  45.0  0.0", "6.0  4500.0  0.0", {399}},
        {"US unit weight in kN/m3", "pipe-pile-sand.lp", "57.6  32.0  0.0", "9.0  32.0  0.0", {398}},
        {"US diameter in feet", "pipe-pile-sand.lp", "\n36.0\n36.0\n", "\n0.3\n0.3\n", {394, 395}},
    };
    for (const PlausibilityCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = Example(c.example);
        if (c.from[0] != '\0') text = Changed(text, c.from, c.to);
        TempDir dir;
        const json doc = Check(dir, text);
        EXPECT_TRUE(doc.at("accepted").get<bool>()) << doc.dump();   // warnings never refuse
        EXPECT_EQ(Warning_Numbers(doc), c.warnings);
        for (const json& w : doc.at("warnings")) EXPECT_FALSE(w.at("text").empty());
    }
}

TEST(UnitPlausibility, TheRunWarnsWithTheItemAndTheValue) {
    EngineRun run;
    const std::string text = Changed(Example("pipe-pile-soft-clay.lp"), "6.0  45.0  0.0", "6.0  4500.0  0.0");
    // two warning kinds: this one, and the soft clay criterion's own above 59.85 kPa (3042)
    EXPECT_EQ(run.Run(text), -300);
    const std::vector<std::string> report = Read_Lines(run.report());
    EXPECT_GE(Find_Line(report, "Warning 399: clay layer 1 has a shear strength of 4500.00000000 kPa, above "
                                "2000 kPa of real clays; SI shear strengths are in kPa, not psf."),
              0);
}

TEST(InputCheck, RefusesAsTheRunWouldAtTheInputLineAndWritesNothing) {
    struct CheckCase {
        const char* name;
        const char* example;
        const char* from;
        const char* to;
        int number;
        int line;   // the input line that holds the refused value or the item the error names
    };
    const CheckCase cases[] = {
        {"decimal comma", "pipe-pile-soft-clay.lp", "\n30.0\n", "\n27,5\n", 99, 29},
        {"misspelled option", "pipe-pile-soft-clay.lp", "UseTipShear NO", "UseTipShaer NO", 95, 12},
        {"too few increments", "pipe-pile-soft-clay.lp", "Increments 300", "Increments 30", 55, 20},
        // errors of the whole problem, found after the reading: told at the line of their item
        {"soil profile above the pile tip", "pipe-pile-soft-clay.lp", "1  0.0  30.0", "1  0.0  25.0", 18, 40},
        {"negative unit weight", "pipe-pile-soft-clay.lp", "6.0  12.0  0.0", "-6.0  12.0  0.0", 87, 40},
        {"too few cycles", "pipe-pile-soft-clay.lp", "Loading STATIC", "Loading CYCLIC     1", 28, 16},
        {"p-y curve below the tip", "pipe-pile-soft-clay.lp", "2  6.0\nEND", "2  60.0\nEND", 30, 53},
        {"pile section of zero length", "pipe-pile-soft-clay.lp", "\n30.0\n2\n", "\n0.0\n2\n", 84, 27},
        // a section's data checked after the reading: told at the line of the section's number
        {"concrete strength in MPa", "drilled-shaft-clay-sand-si.lp", "\n30000.0\n", "\n30.0\n", 83, 27},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = Changed(Example(c.example), c.from, c.to);
        TempDir dir;
        const json doc = Check(dir, text);
        EXPECT_FALSE(doc.at("accepted").get<bool>());
        const json& error = doc.at("errors").at(0);
        EXPECT_EQ(error.at("kind"), "input");
        EXPECT_EQ(error.at("number"), c.number);
        EXPECT_EQ(error.at("line"), c.line);
        // the reader refuses the first three at the line it read; the others are found after it
        EXPECT_EQ(error.at("while_reading").get<bool>(), c.number == 99 || c.number == 95 || c.number == 55);
        EXPECT_FALSE(error.at("text").empty());
        // the check wrote nothing beside the input
        EXPECT_EQ(Files_In(dir.path()), std::vector<std::string>{"checked.lp"});
        // a run of the same file ends with the same error
        EngineRun run;
        EXPECT_EQ(run.Run(text), 100 + c.number);
    }
}

}  // namespace

namespace {

TEST(InputCheck, ListsTheErrorOfEverySectionWhereItCanGoOn) {
    // both shafts of the bridge pier with f'c given in ksi: each section's data is checked on its
    // own, so the check names both, each at the line of its section's number
    std::string text = Example("pier4-drilled-shaft.lp");
    for (int i = 0; i < 2; ++i) text = Changed(text, "\n4000.0\n0.75\n", "\n4.0\n0.75\n");
    TempDir dir;
    const json doc = Check(dir, text);
    EXPECT_FALSE(doc.at("accepted").get<bool>());
    const json& errors = doc.at("errors");
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].at("number"), 83);
    EXPECT_EQ(errors[0].at("line"), 27);
    EXPECT_EQ(errors[1].at("number"), 83);
    EXPECT_EQ(errors[1].at("line"), 48);
    EXPECT_NE(errors[1].at("text").at(0).get<std::string>().find("Section 2 has a concrete compressive strength of 4.0"),
              std::string::npos);
    const std::string outcome = doc.at("outcome").at("text");
    EXPECT_NE(outcome.find("Section 1"), std::string::npos);
    EXPECT_NE(outcome.find("(and 1 more error)"), std::string::npos);
    // a run stops at the first, as it always has
    EngineRun run;
    EXPECT_EQ(run.Run(text), 183);
}

}  // namespace
