// The one definition of the analysis model and its initial state. Bringing the model into that
// state costs what the previous call of the engine used, not what the model could hold: the
// static storage starts all zero, so the first call of a process clears nothing; a later call
// clears the model whole except for its five largest tables (2.5 MB each), which it clears only
// as far as the previous call's own counts let that call have written them; and of all that, it
// writes only the pages the process was ever given.
#include "model/model.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

#include "model/soil_types.h"

static_assert(std::is_trivially_copyable<AnalysisModel>::value,
              "the model must stay plain data so that it can be cleared in place");

AnalysisModel g_Model;

namespace {

// The count as the previous call left it when it is one a run can have stored (0 to the
// capacity), else the capacity: a count out of range was never set by a run and bounds nothing.
int Used_Or_Capacity(int count, int capacity) {
    return count >= 0 && count <= capacity ? count : capacity;
}

// A large table cleared by rows of its first index: rows 0 to rows_used, the rest untouched.
struct LargeTable {
    unsigned char* begin;
    std::size_t size;        // bytes of the whole table
    std::size_t row_bytes;   // bytes of one row of the first index
    int rows_used;           // highest row the previous call can have written
};

template <typename Table>
LargeTable Large_Table(Table& table, int rows_used) {
    return {reinterpret_cast<unsigned char*>(&table), sizeof table, sizeof table[0], rows_used};
}

// The pages of the model the process has ever been given. A page no call has touched is not
// given yet and still reads as zero; touching it, even to clear or compare it, makes the system
// hand over a fresh page, which costs more than the clearing (the model is megabytes, a problem
// uses a small part of it). The process's page map tells, without touching: one 64-bit entry per
// page, bit 63 held in memory, bit 62 held in swap. Where the map cannot be read, every page
// counts as given.
class GivenPages {
public:
    explicit GivenPages(const void* model, std::size_t bytes) {
        const long page = sysconf(_SC_PAGESIZE);
        if (page <= 0) return;
        page_ = static_cast<std::uintptr_t>(page);
        first_ = reinterpret_cast<std::uintptr_t>(model) / page_;
        const std::uintptr_t last = (reinterpret_cast<std::uintptr_t>(model) + bytes - 1) / page_;
        entries_.resize(last - first_ + 1);
        const int map = open("/proc/self/pagemap", O_RDONLY | O_CLOEXEC);
        if (map < 0) {
            entries_.clear();
            return;
        }
        const std::size_t want = entries_.size() * sizeof(std::uint64_t);
        const ssize_t got = pread(map, entries_.data(), want, static_cast<off_t>(first_ * sizeof(std::uint64_t)));
        close(map);
        if (got != static_cast<ssize_t>(want)) entries_.clear();
    }

    // Bytes from `at` to the end of its page.
    std::size_t To_Page_End(const unsigned char* at) const {
        if (entries_.empty()) return static_cast<std::size_t>(-1);
        return page_ - reinterpret_cast<std::uintptr_t>(at) % page_;
    }

    bool Given(const unsigned char* at) const {
        if (entries_.empty()) return true;
        const std::uint64_t entry = entries_[reinterpret_cast<std::uintptr_t>(at) / page_ - first_];
        return (entry >> 62) != 0;
    }

private:
    std::uintptr_t page_ = 0;
    std::uintptr_t first_ = 0;
    std::vector<std::uint64_t> entries_;
};

// Zeros to compare the model's pages with.
constexpr std::size_t k_Compared_Bytes = 4096;
const unsigned char k_Zeros[k_Compared_Bytes] = {};

// Clears [begin, end) page by page, leaving alone the pages never given (they hold zeros) and
// those a call has only read (still all zero): writing them would take fresh pages as well.
void Clear_Bytes(unsigned char* begin, unsigned char* end, const GivenPages& given) {
    while (begin < end) {
        const std::size_t n = std::min({given.To_Page_End(begin), static_cast<std::size_t>(end - begin),
                                        k_Compared_Bytes});
        if (given.Given(begin) && std::memcmp(begin, k_Zeros, n) != 0) std::memset(begin, 0, n);
        begin += n;
    }
}

// Clears a model that a previous call may have written anywhere. The large tables are written
// only for the sections read (the bending-stiffness tables, by section, every thrust) and for
// the points counted before they are read (the user M-EI tables, by point, every thrust and
// section); the bytes around them, whatever field they belong to, are cleared whole.
void Clear_Used_Model() {
    AnalysisModel& m = g_Model;
    const int sections = Used_Or_Capacity(m.NumSections, k_Max_Sections);
    int mei_points = 0;
    for (int b = 0; b <= k_Max_MEI_Thrusts; ++b) {
        for (int s = 0; s <= k_Max_Sections; ++s) {
            const int n = Used_Or_Capacity(m.i_NumMEIPoints[b][s], k_Max_MEI_Points);
            if (n > mei_points) mei_points = n;
        }
    }
    // In the order of the model's fields; the bytes before, between and after them are
    // cleared whole.
    const LargeTable tables[] = {
        Large_Table(m.MEIMoment, mei_points),
        Large_Table(m.MEIStiffness, mei_points),
        Large_Table(m.rd_TableMoment, sections),
        Large_Table(m.rd_TableEI, sections),
        Large_Table(m.rd_TableCurvature, sections),
    };
    const GivenPages given(&m, sizeof m);
    unsigned char* cleared_to = reinterpret_cast<unsigned char*>(&m);
    for (const LargeTable& t : tables) {
        assert(t.begin >= cleared_to);
        Clear_Bytes(cleared_to, t.begin, given);
        Clear_Bytes(t.begin, t.begin + t.row_bytes * static_cast<std::size_t>(t.rows_used + 1), given);
        cleared_to = t.begin + t.size;
    }
    Clear_Bytes(cleared_to, reinterpret_cast<unsigned char*>(&m) + sizeof m, given);
}

}  // namespace

void Initialize_Model() {
    // All-zero bytes are 0 for every integer, 0.0 for every double, an empty text and a null
    // file handle. Static storage is all zero until the first call marks the model in use;
    // after that the previous call's values are there, wherever that call stopped.
    if (g_Model.b_ModelInUse != 0) Clear_Used_Model();
    g_Model.b_ModelInUse = -1;
    for (int i = 1; i <= k_Num_Soil_Types; ++i) {
        std::strncpy(g_Model.SoilTypeCode[i].data(), Soil_Type_Code_Text(i), k_Name_Length);
        std::strncpy(g_Model.SoilTypeName[i].data(), Soil_Type_Name_Text(i), k_Name_Length);
    }
    // No equivalent depth has been computed for any layer yet.
    for (int L = 1; L <= k_Max_Layers; ++L) g_Model.XEquivalentTop[L] = k_No_Equivalent_Top;
}
