// The library's exported symbols: the C entry function ORVGO, the runs and checks of a problem
// given as text, the results document of the last call and its node columns, and the version.
// Everything else in the shared library has hidden visibility. The one model allows one call at a
// time per process: a call that finds another running returns at once, touching nothing.
#include "engine/orvane.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/results_document.h"
#include "engine/run.h"
#include "model/model.h"

namespace {

// Held while a call runs in the model. Process-wide by nature: it guards the one model, which
// belongs to the process, and is no state of a run.
std::atomic_flag g_Engine_Busy = ATOMIC_FLAG_INIT;

// Holds the engine for the lifetime of the object when it was free.
class EngineTurn {
public:
    EngineTurn() : held_(!g_Engine_Busy.test_and_set(std::memory_order_acquire)) {}
    ~EngineTurn() {
        if (held_) g_Engine_Busy.clear(std::memory_order_release);
    }
    EngineTurn(const EngineTurn&) = delete;
    EngineTurn& operator=(const EngineTurn&) = delete;
    bool held() const { return held_; }

private:
    bool held_;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) int32_t ORVGO(int32_t version) {
    const EngineTurn turn;
    if (!turn.held()) return ORVANE_RESULT_BUSY;
    return Run_Analysis(version);
}

extern "C" __attribute__((visibility("default"))) int32_t orvane_run_text(const char* text, size_t length,
                                                                           const char* name) {
    const EngineTurn turn;
    if (!turn.held()) return ORVANE_RESULT_BUSY;
    return Run_Analysis_Of_Text(k_Interface_Version, text != nullptr ? text : "", text != nullptr ? length : 0, name);
}

namespace {

// A copy of text for the caller to release with orvane_free; NULL when no memory was left.
char* Handed_Out(const std::string& text) {
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy != nullptr) std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

}  // namespace

// Before the first call of the process the model holds no run: both texts are NULL.
extern "C" __attribute__((visibility("default"))) char* orvane_results_json(void) {
    return g_Model.b_ModelInUse == 0 ? nullptr : Handed_Out(Results_Document());
}

extern "C" __attribute__((visibility("default"))) char* orvane_results_json_without_nodes(void) {
    return g_Model.b_ModelInUse == 0 ? nullptr : Handed_Out(Results_Document(true));
}

extern "C" __attribute__((visibility("default"))) char* orvane_outcome_text(void) {
    return g_Model.b_ModelInUse == 0 ? nullptr : Handed_Out(Outcome_Text());
}

extern "C" __attribute__((visibility("default"))) void orvane_free(void* text) { std::free(text); }

extern "C" __attribute__((visibility("default"))) char* orvane_check_json(const char* input_path) {
    const EngineTurn turn;
    if (!turn.held()) return nullptr;
    Check_Input(k_Interface_Version, input_path != nullptr ? input_path : "");
    return Handed_Out(Check_Document());
}

extern "C" __attribute__((visibility("default"))) char* orvane_check_text(const char* text, size_t length,
                                                                         const char* name) {
    const EngineTurn turn;
    if (!turn.held()) return nullptr;
    Check_Input_Text(k_Interface_Version, text != nullptr ? text : "", text != nullptr ? length : 0, name);
    return Handed_Out(Check_Document());
}

extern "C" __attribute__((visibility("default"))) int32_t orvane_case_count(void) {
    if (g_Model.b_ModelInUse == 0) return 0;
    return Kept_Case_Count();
}

extern "C" __attribute__((visibility("default"))) int32_t orvane_node_column(int32_t load_case, int32_t column,
                                                                              double* values, int32_t capacity) {
    if (g_Model.b_ModelInUse == 0) return -1;
    return Copy_Node_Column(load_case, column, values, capacity);
}

extern "C" __attribute__((visibility("default"))) const char* orvane_version(void) {
    return k_Version_Text;
}
