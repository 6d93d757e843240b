// The model's initial state: Initialize_Model leaves no byte of a previous use behind, whatever
// was written and wherever, while it writes only the pages that need it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

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

// One stray byte is cleared wherever it lies: at the ends of the model, on either side of a
// page boundary inside it (the clearing goes page by page), in the middle, and in the last
// element of the largest tables. 0x80 in the top byte of a double makes it -0.0, which equals
// 0.0 as a number but is not the initial bytes.
TEST_F(ModelResetTest, SingleStrayByteIsClearedWhereverItLies) {
    const std::uintptr_t address = reinterpret_cast<std::uintptr_t>(&g_Model);
    const std::size_t first_boundary = 4096 - address % 4096;
    const std::size_t last_boundary = first_boundary + (sizeof g_Model - first_boundary) / 4096 * 4096;
    struct Case { const char* name; std::size_t offset; unsigned char value; };
    const Case cases[] = {
        {"first byte", 0, 0x5A},
        {"last byte", sizeof g_Model - 1, 0x5A},
        {"before the first page boundary", first_boundary - 1, 0x5A},
        {"at the first page boundary", first_boundary, 0x5A},
        {"before the last page boundary", last_boundary - 1, 0x5A},
        {"at the last page boundary", last_boundary, 0x5A},
        {"middle", sizeof g_Model / 2, 0x5A},
        {"last user M-EI stiffness", Bytes_Of(g_Model.MEIStiffness).end - 1, 0x5A},
        {"last bending-stiffness table curvature", Bytes_Of(g_Model.rd_TableCurvature).end - 1, 0x5A},
        {"last run message of a thrust", Bytes_Of(g_Model.c_RunMsg).end - 1, 0x5A},
        {"last node's shear -0.0", Bytes_Of(g_Model.rd_Shear_Node).end - 1, 0x80},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_LT(c.offset, sizeof g_Model);
        reinterpret_cast<unsigned char*>(&g_Model)[c.offset] = c.value;
        Initialize_Model();
        EXPECT_EQ(First_Difference(initial_), sizeof g_Model);
    }
}

}  // namespace
