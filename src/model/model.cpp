// The one definition of the analysis model and its initial state. Bringing the model into that
// state costs what the previous call of the engine touched, not what the model could hold: the
// static storage starts all zero, so the first call of a process clears nothing, and a later
// call clears only the pages that hold a byte other than zero.
#include "model/model.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "model/soil_types.h"

static_assert(std::is_trivially_copyable<AnalysisModel>::value,
              "the model must stay plain data so that it can be cleared in place");

AnalysisModel g_Model;

namespace {

// Granularity of the clearing: a memory page, so that a page no call has written is only read
// (an untouched page of the zeroed static storage reads as the shared zero page and is never
// given memory of its own).
constexpr std::size_t k_Clear_Block = 4096;

constexpr unsigned char k_Zero_Block[k_Clear_Block] = {};

// Sets to zero every byte of [begin, end) that is not zero, block by block, writing only the
// blocks that hold such a byte. The blocks follow page boundaries of the address space.
void Clear_Nonzero_Blocks(unsigned char* begin, unsigned char* end) {
    unsigned char* block = begin;
    while (block < end) {
        const std::uintptr_t address = reinterpret_cast<std::uintptr_t>(block);
        const std::size_t to_boundary = k_Clear_Block - address % k_Clear_Block;
        const std::size_t n = to_boundary < static_cast<std::size_t>(end - block)
                                  ? to_boundary
                                  : static_cast<std::size_t>(end - block);
        if (std::memcmp(block, k_Zero_Block, n) != 0) std::memset(block, 0, n);
        block += n;
    }
}

}  // namespace

void Initialize_Model() {
    // All-zero bytes are 0 for every integer, 0.0 for every double, an empty text and a null
    // file handle. Static storage is all zero until the first call marks the model in use;
    // after that any byte may hold a previous call's value, wherever that call stopped.
    if (g_Model.b_ModelInUse != 0) {
        unsigned char* const bytes = reinterpret_cast<unsigned char*>(&g_Model);
        Clear_Nonzero_Blocks(bytes, bytes + sizeof g_Model);
    }
    g_Model.b_ModelInUse = -1;
    Set_Soil_Type_Codes();
    // No equivalent depth has been computed for any layer yet.
    for (int L = 1; L <= k_Max_Layers; ++L) g_Model.XEquivalentTop[L] = k_No_Equivalent_Top;
}
