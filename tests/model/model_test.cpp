// The model's initial state: Initialize_Model leaves no byte of a previous call behind, whatever
// that call wrote and wherever it stopped.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/run.h"
#include "model/model.h"
#include "model/soil_types.h"
#include "support/model_fixture.h"

namespace {

const unsigned char* Model_Bytes() { return reinterpret_cast<const unsigned char*>(&g_Model); }

// Byte range of one field of the model.
struct FieldBytes {
    std::size_t begin, end;
};

template <typename Field>
FieldBytes Bytes_Of(const Field& field) {
    const std::size_t begin =
        static_cast<std::size_t>(reinterpret_cast<const unsigned char*>(&field) - Model_Bytes());
    return {begin, begin + sizeof field};
}

// Offset of the first byte where the model differs from the snapshot, or sizeof g_Model.
std::size_t First_Difference(const std::vector<unsigned char>& snapshot) {
    const unsigned char* bytes = Model_Bytes();
    for (std::size_t i = 0; i < sizeof g_Model; ++i) {
        if (bytes[i] != snapshot[i]) return i;
    }
    return sizeof g_Model;
}

class ModelResetTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        initial_.assign(Model_Bytes(), Model_Bytes() + sizeof g_Model);
    }
    // The model as the fixture's Initialize_Model left it.
    std::vector<unsigned char> initial_;
};

// The snapshot the other tests compare against is the documented initial state: all-zero bytes
// except the soil type code table, the "none yet" equivalent layer tops and the in-use mark.
TEST_F(ModelResetTest, InitialStateIsZeroBytesApartFromTheTablesItSets) {
    const FieldBytes set_fields[] = {Bytes_Of(g_Model.SoilTypeCode), Bytes_Of(g_Model.SoilTypeName),
                                     Bytes_Of(g_Model.XEquivalentTop), Bytes_Of(g_Model.b_ModelInUse)};
    std::size_t nonzero_elsewhere = 0;
    for (std::size_t i = 0; i < sizeof g_Model; ++i) {
        bool in_set_field = false;
        for (const FieldBytes& f : set_fields) in_set_field = in_set_field || (i >= f.begin && i < f.end);
        if (!in_set_field && initial_[i] != 0) ++nonzero_elsewhere;
    }
    EXPECT_EQ(nonzero_elsewhere, 0u);
    EXPECT_EQ(g_Model.b_ModelInUse, -1);
    EXPECT_EQ(g_Model.XEquivalentTop[0], 0.0);
    for (int L = 1; L <= k_Max_Layers; ++L) EXPECT_EQ(g_Model.XEquivalentTop[L], k_No_Equivalent_Top);
    EXPECT_STRNE(g_Model.SoilTypeCode[1].data(), "");
    EXPECT_STRNE(g_Model.SoilTypeName[k_Soil_SoftClay].data(), "");
}

// A call that used every field, down to the padding between them: every byte of the model
// holds a pattern (every bit, alternate bits, only the top bit, only the bottom bit).
TEST_F(ModelResetTest, ModelFilledWithAPatternReturnsToTheInitialState) {
    const unsigned char patterns[] = {0xFF, 0xA5, 0x80, 0x01};
    for (const unsigned char pattern : patterns) {
        SCOPED_TRACE(static_cast<int>(pattern));
        std::memset(static_cast<void*>(&g_Model), pattern, sizeof g_Model);
        Initialize_Model();
        EXPECT_EQ(First_Difference(initial_), sizeof g_Model);
    }
}

// One stray byte is cleared wherever the previous call can have written it: at the ends of the
// model, on either side of each large table, and in the last row of a large table that the
// call's counts reach (set before the byte is written, as a run sets them). 0x80 in the top
// byte of a double makes it -0.0, which equals 0.0 as a number but is not the initial bytes.
TEST_F(ModelResetTest, StrayByteWithinWhatTheCallUsedIsCleared) {
    struct Case {
        const char* name;
        std::size_t offset;
        unsigned char value;
        int sections;         // NumSections of the call
        int mei_points;       // i_NumMEIPoints[2][5] of the call
    };
    const std::size_t model_end = sizeof g_Model;
    const Case cases[] = {
        {"first byte", 0, 0x5A, 0, 0},
        {"last byte", model_end - 1, 0x5A, 0, 0},
        {"just before the user M-EI moments", Bytes_Of(g_Model.MEIMoment).begin - 1, 0x5A, 0, 0},
        {"just after the user M-EI stiffnesses", Bytes_Of(g_Model.MEIStiffness).end, 0x5A, 0, 0},
        {"just before the stiffness-table moments", Bytes_Of(g_Model.rd_TableMoment).begin - 1, 0x5A, 0, 0},
        {"just after the stiffness-table curvatures", Bytes_Of(g_Model.rd_TableCurvature).end, 0x5A, 0, 0},
        {"row 0 of the user M-EI moments", Bytes_Of(g_Model.MEIMoment[0]).end - 1, 0x5A, 0, 0},
        {"last byte of point 4 of the user M-EI stiffnesses",
         Bytes_Of(g_Model.MEIStiffness[4]).end - 1, 0x5A, 0, 4},
        {"last point of the user M-EI stiffnesses", Bytes_Of(g_Model.MEIStiffness).end - 1, 0x5A, 0,
         k_Max_MEI_Points},
        {"last byte of section 3 of the stiffness-table curvatures",
         Bytes_Of(g_Model.rd_TableCurvature[3]).end - 1, 0x5A, 3, 0},
        {"last section of the stiffness-table moments", Bytes_Of(g_Model.rd_TableMoment).end - 1, 0x5A,
         k_Max_Sections, 0},
        {"last run message of a thrust", Bytes_Of(g_Model.c_RunMsg).end - 1, 0x5A, 0, 0},
        {"last node's shear -0.0", Bytes_Of(g_Model.rd_Shear_Node).end - 1, 0x80, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_LT(c.offset, sizeof g_Model);
        g_Model.NumSections = c.sections;
        g_Model.i_NumMEIPoints[2][5] = c.mei_points;
        reinterpret_cast<unsigned char*>(&g_Model)[c.offset] = c.value;
        Initialize_Model();
        EXPECT_EQ(First_Difference(initial_), sizeof g_Model);
    }
}

// Real runs of the engine, as ORVGO makes them, leave nothing behind: every example
// (the LRFD one among them), a problem stopped by an input error after its seven
// sections were read, and one stopped by excess deflection in its third of five load cases.
// This holds the writers of the large tables to the rows Initialize_Model clears.
TEST_F(ModelResetTest, EveryExampleAndStoppedRunLeavesNothingAfterInitialize) {
    struct Case { const char* example; const char* from; const char* to; };
    const Case cases[] = {
        {"drilled-shaft-clay-sand-si.lp", "", ""},
        {"harbour-pipe-pile-lrfd.lp", "", ""},
        {"pier4-drilled-shaft.lp", "", ""},
        {"pipe-pile-clay-sand-subgrade.lp", "", ""},
        {"pipe-pile-elastic-subgrade.lp", "", ""},
        {"pipe-pile-sand.lp", "", ""},
        {"pipe-pile-soft-clay.lp", "", ""},
        {"pipe-pile-stiff-clay.lp", "", ""},
        {"section-families-ei-only.lp", "", ""},
        {"section-families-ei-only.lp", "1  500000.0", "1  5OO000.0"},
        {"pipe-pile-clay-sand-subgrade.lp", "MaxDeflection 2.0", "MaxDeflection 0.06"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.example) + " " + c.to);
        std::string input = Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/" + c.example);
        const std::size_t at = input.find(c.from);
        ASSERT_NE(at, std::string::npos);
        input.replace(at, std::strlen(c.from), c.to);
        TempDir dir;
        Write_File(dir.file("problem.lp"), input);
        Write_File(dir.file("NAMES.DAT"),
                   "problem.lp\nproblem-report.txt\nproblem-plot.txt\nproblem-messages.txt\n");
        {
            WorkingDirectory cwd(dir.path());
            Run_Analysis(6032);
        }
        // the run got as far as its sections, or through its load cases
        EXPECT_GT(g_Model.NumSections, 0);
        EXPECT_NE(First_Difference(initial_), sizeof g_Model);
        Initialize_Model();
        EXPECT_EQ(First_Difference(initial_), sizeof g_Model);
    }
}

}  // namespace
