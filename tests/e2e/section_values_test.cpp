// Section values that make no section, each a small change of a bundled example or of the Python
// package's test data, run end to end through ORVGO: every one ends with its numbered input
// error, whose problem line names the section, the field and the value read. Before these
// refusals such values were echoed and analysed: a negative cover or bar diameter printed a
// negative bar spacing, a bar area of 1e30 in a cased shaft with a core ended "normally" with
// negative moments and stiffness, a user M-EI table with negative moments put NaN in the tables,
// and a drilled shaft without bars ended with a convergence or deflection error.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/run_support.h"
#include "support/test_support.h"

namespace {

std::string Example(const char* name) { return std::string(ORVANE_EXAMPLES_DIR) + "/" + name; }
std::string Every_Section_Type() { return std::string(ORVANE_EXAMPLES_DIR) + "/../python/tests/data/every-section-type.lp"; }

// The first line of `lines` that holds `text`, or -1.
int Find_Containing(const std::vector<std::string>& lines, const std::string& text) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find(text) != std::string::npos) return static_cast<int>(i);
    }
    return -1;
}

// The text of file `path` with its lines first..last (1-based) replaced by `with` (its own lines).
std::string Changed(const std::string& path, int first, int last, const std::string& with) {
    const std::vector<std::string> lines = Read_Lines(path);
    std::string text;
    for (int i = 1; i <= static_cast<int>(lines.size()); ++i) {
        if (i == first) text += with + "\n";
        if (i >= first && i <= last) continue;
        text += lines[static_cast<std::size_t>(i - 1)] + "\n";
    }
    return text;
}

struct MutatedSection {
    const char* name;
    std::string path;
    int first, last;       // the lines changed
    const char* with;      // what they become
    int error;             // Input Data Error No.
    const char* words;     // in the problem line of the message
};

TEST(SectionValuesEndToEnd, NonsenseSectionValuesEndWithTheirNumberedInputError) {
    const std::string pier4 = Example("pier4-drilled-shaft.lp");          // 1: cased shaft, 2: drilled shaft
    const std::string si_shaft = Example("drilled-shaft-clay-sand-si.lp");   // 1: drilled shaft, SI
    const std::string families = Example("section-families-ei-only.lp");  // 2: cased with core, 5: user M-EI
    const std::string every = Every_Section_Type();                        // 1: rectangle, 4: strands, 9: elastic
    const MutatedSection cases[] = {
        {"negative aggregate size", pier4, 35, 35, "-0.75", 81,
         "Problem:  Section 1 has a maximum coarse aggregate size of -0.75000000 in."},
        {"negative bar diameter", pier4, 44, 44, "-1.41", 81,
         "Problem:  Bar 1 of section 1 has a diameter of -1.41000000 in."},
        {"bar diameter of 1e30", pier4, 44, 44, "1e30", 80, "Problem:  Bar 1 of section 1 has a diameter of"},
        {"bar area of 1e30 on a circle", pier4, 45, 45, "1e30", 81,
         "Problem:  The bars of section 1 have a total area of"},
        {"zero bar area", pier4, 45, 45, "0.0", 81, "Problem:  Bar 1 of section 1 has an area of 0.0000000 in2."},
        {"negative cover", pier4, 46, 46, "-4.0", 81, "Problem:  Section 1 has a concrete cover of -4.00000000 in."},
        {"negative cage offset", pier4, 47, 47, "-1.0", 81,
         "Problem:  Section 1 has a rebar cage offset of -1.00000000 in."},
        {"drilled shaft without bars", pier4, 56, 65, "No rebar", 79,
         "Problem:  Section 2 is a concrete section without reinforcement: it has no bars."},
        {"negative cover in SI", si_shaft, 43, 43, "-75.0", 81, "Problem:  Section 1 has a concrete cover of -"},
        {"bar area of 1e30 in a cased shaft with a core", families, 68, 68, "3  9  1.128  1e30  -15.0  -15.0", 81,
         "Problem:  The bars of section 2 have a total area of"},
        {"negative listed bar diameter", families, 66, 66, "1  9  -1.5  1.0   15.0   15.0", 81,
         "Problem:  Bar 1 of section 2 has a diameter of -1.50000000 in."},
        {"rectangular pile without bars", every, 41, 45, "0", 79,
         "Problem:  Section 1 is a concrete section without reinforcement: it has no bars."},
        {"strand type code outside the table", every, 92, 92, "8", 95,
         "Problem:  Section 4 has a strand type code of 8."},
        {"strand size code outside its type's table", every, 93, 93, "9", 95,
         "Problem:  Strand 1 of section 4 has a strand size code of 9, which strand type 1 does not have."},
        {"negative prestressing force", every, 95, 95, "-31000.0", 91,
         "Problem:  Section 4 has an initial prestressing force of -31000."},
        {"negative loss of prestress", every, 96, 96, "-0.2", 91,
         "Problem:  Section 4 has a fraction of loss of prestress of -0.20000000."},
        {"negative cover over strands", every, 97, 97, "-3.0", 81,
         "Problem:  Section 4 has a concrete cover over the strands of -3.00000000 in."},
        {"negative width of an elastic rectangle", every, 173, 173, "-18.0", 27,
         "Problem:  Pile section 9 has a negative pile diameter or width of -18.00000000 in."},
        {"negative depth of an elastic rectangle", every, 175, 175, "-18.0", 85,
         "Problem:  Pile section 9 has a depth at its top of"},
        {"bar yield stress of 1e30", pier4, 40, 40, "1e30", 82, "Problem:  Section 1 has a bar yield stress of"},
        {"concrete strength of 1e30", every, 32, 32, "1e30", 82,
         "Problem:  Section 1 has a concrete compressive strength of"},
        {"casing modulus of 1e30 in SI", Example("micropile-group-member.lp"), 35, 35, "1e30", 82,
         "Problem:  Section 1 has a casing modulus of elasticity of"},
        {"elastic moment of inertia of 1e30", every, 179, 179, "1e30", 85,
         "Problem:  Pile section 9 has a moment of inertia at its top of"},
        {"elastic pile width of 1e30 in SI", Example("pipe-pile-soft-clay.lp"), 32, 32, "1e30", 27,
         "Problem:  Pile section 1 has a pile diameter or width of"},
        {"elastic rectangle depth of 1e30", every, 175, 175, "1e30", 85,
         "Problem:  Pile section 9 has a depth at its top of"},
        {"micropile without casing or bar", Example("micropile-group-member.lp"), 33, 36, "0.0\n552000.0\n2.0E+8\n0.0", 79,
         "Problem:  Section 1 is a micropile without reinforcement: it has no central bar and no casing."},
        {"user M-EI moment below zero", families, 134, 134, "-2.0E+7", 86,
         "negative moment M at point 2 of the axial thrust"},
        {"user M-EI table starting at a negative moment", families, 140, 140, "-1.5", 86,
         "negative moment M at point 1 of the axial thrust"},
        {"user M-EI moments that fall", families, 136, 136, "1.0E+7", 86,
         "moment M not larger than the one before at point 3"},
    };
    for (const MutatedSection& c : cases) {
        SCOPED_TRACE(c.name);
        EngineRun run;
        const int result = run.Run(Changed(c.path, c.first, c.last, c.with));
        EXPECT_EQ(result, 100 + c.error);
        const auto report = Read_Lines(run.report());
        const int head = Find_Containing(report, "Input Data Error No. " + std::to_string(c.error) + " ");
        ASSERT_GE(head, 0);
        bool named = false;
        for (int i = head; i < head + 6 && i < static_cast<int>(report.size()); ++i) {
            named = named || report[static_cast<std::size_t>(i)].find(c.words) != std::string::npos;
        }
        EXPECT_TRUE(named) << c.words;
        EXPECT_LT(Find_Containing(report, "The analysis ended normally."), 0);
    }
}

// The unchanged files still end normally: the refusals above come from the changed value.
TEST(SectionValuesEndToEnd, TheUnchangedFilesEndNormally) {
    for (const std::string& path : {Example("pier4-drilled-shaft.lp"), Example("drilled-shaft-clay-sand-si.lp"),
                                    Example("section-families-ei-only.lp"), Every_Section_Type()}) {
        SCOPED_TRACE(path);
        EngineRun run;
        EXPECT_LE(run.Run(Read_File(path)), 0);
    }
}

}  // namespace
