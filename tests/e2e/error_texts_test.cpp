// Every error a run can end with explains itself: for one input of each error number the engine
// gives, made by changing the first number of one line of a bundled example, the run's results
// document carries the error's framed text and the one-line outcome its explanation. The rows
// were found by changing every number of every example to 0, -1, 1e30, "abc", "1,5" and 2; a row
// whose input no longer ends with its error fails, so the table follows the engine.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "engine/orvane.h"
#include "support/test_support.h"

namespace {

struct ErrorCase {
    int result;            // the run's result code: 100 + N input error, 200 + N runtime error
    const char* example;   // a bundled example
    int line;              // the line whose first number is replaced
    const char* value;     // what replaces it
};

const ErrorCase k_Cases[] = {
    {118, "drilled-shaft-clay-sand-si.lp", 29, "1e30"},
    {127, "drilled-shaft-clay-sand-si.lp", 30, "0"},
    {128, "pier4-drilled-shaft.lp", 16, "0"},
    {130, "drilled-shaft-weak-rock.lp", 29, "2"},
    {153, "harbour-pipe-pile-lrfd.lp", 71, "0"},
    {155, "drilled-shaft-clay-sand-si.lp", 20, "0"},
    {165, "drilled-shaft-weak-rock.lp", 19, "0"},
    {166, "drilled-shaft-weak-rock.lp", 19, "1e30"},
    {167, "drilled-shaft-clay-sand-si.lp", 19, "0"},
    {168, "drilled-shaft-clay-sand-si.lp", 19, "1e30"},
    {179, "drilled-shaft-clay-sand-si.lp", 39, "0"},
    {180, "drilled-shaft-clay-sand-si.lp", 41, "1e30"},
    {181, "drilled-shaft-clay-sand-si.lp", 30, "2"},
    {182, "drilled-shaft-clay-sand-si.lp", 31, "0"},
    {183, "drilled-shaft-clay-sand-si.lp", 31, "2"},
    {184, "drilled-shaft-clay-sand-si.lp", 29, "0"},
    {185, "pipe-pile-clay-sand-subgrade.lp", 31, "0"},
    {186, "section-families-ei-only.lp", 115, "0"},
    {187, "drilled-shaft-clay-sand-si.lp", 48, "-1"},
    {191, "section-families-ei-only.lp", 95, "-1"},
    {194, "harbour-pipe-pile-lrfd.lp", 63, "0"},
    {195, "drilled-shaft-clay-sand-si.lp", 17, "0"},
    {196, "harbour-pipe-pile-lrfd.lp", 60, "0"},
    {197, "harbour-pipe-pile-lrfd.lp", 57, "0"},
    {198, "harbour-pipe-pile-lrfd.lp", 56, "0"},
    {199, "drilled-shaft-clay-sand-si.lp", 17, "1e30"},
    {209, "drilled-shaft-clay-sand-si.lp", 18, "0"},
    {215, "section-families-ei-only.lp", 94, "0"},
    {224, "pipe-pile-stiffness-length-study.lp", 32, "2"},
    {226, "harbour-pipe-pile-lrfd.lp", 31, "2"},
    {228, "pier4-drilled-shaft.lp", 94, "1e30"},
};

bool Word_Character(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '.'; }

// The first number of a line standing on its own (a sign, digits with an optional point, an
// optional exponent, not part of a word): its position and length, or false.
bool First_Number(const std::string& line, std::size_t& at, std::size_t& length) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (i > 0 && Word_Character(line[i - 1])) continue;
        std::size_t j = i;
        if (line[j] == '+' || line[j] == '-') ++j;
        const std::size_t digits = j;
        while (j < line.size() && std::isdigit(static_cast<unsigned char>(line[j])) != 0) ++j;
        if (j == digits) continue;
        if (j < line.size() && line[j] == '.') {
            ++j;
            while (j < line.size() && std::isdigit(static_cast<unsigned char>(line[j])) != 0) ++j;
        }
        if (j < line.size() && std::strchr("eEdD", line[j]) != nullptr) {
            std::size_t k = j + 1;
            if (k < line.size() && (line[k] == '+' || line[k] == '-')) ++k;
            const std::size_t exponent = k;
            while (k < line.size() && std::isdigit(static_cast<unsigned char>(line[k])) != 0) ++k;
            if (k > exponent) j = k;
        }
        if (j < line.size() && Word_Character(line[j])) continue;
        at = i;
        length = j - i;
        return true;
    }
    return false;
}

// The example with the first number of the given line replaced.
std::string Changed_Example(const ErrorCase& c) {
    std::istringstream in(Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/" + c.example));
    std::string text;
    std::string line;
    for (int i = 1; std::getline(in, line); ++i) {
        std::size_t at = 0;
        std::size_t length = 0;
        if (i == c.line && First_Number(line, at, length)) line = line.substr(0, at) + c.value + line.substr(at + length);
        text += line + "\n";
    }
    return text;
}

TEST(ErrorTexts, EveryErrorARunEndsWithExplainsItself) {
    for (const ErrorCase& c : k_Cases) {
        SCOPED_TRACE(std::string(c.example) + " line " + std::to_string(c.line) + " = " + c.value);
        const std::string input = Changed_Example(c);
        ASSERT_EQ(orvane_run_text(input.data(), input.size(), "p.lp"), c.result);
        char* text = orvane_results_json();
        ASSERT_NE(text, nullptr);
        const nlohmann::json doc = nlohmann::json::parse(text);
        orvane_free(text);
        const nlohmann::json& error = doc.at("errors").at(0);
        EXPECT_EQ(error.at("number"), c.result % 100);
        EXPECT_FALSE(error.at("text").empty());
        // the outcome goes on after "... error No. N." with what was wrong
        const std::string outcome = doc.at("outcome").at("text");
        const std::string named = "error No. " + std::to_string(c.result % 100) + ".";
        const std::size_t at = outcome.find(named);
        ASSERT_NE(at, std::string::npos) << outcome;
        EXPECT_GT(outcome.size(), at + named.size() + 10) << outcome;
    }
}

}  // namespace
