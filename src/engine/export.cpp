// The library's exported symbols: the C entry function ORVGO and the results document of its last
// call. Everything else in the shared library has hidden visibility.
#include "engine/orvane.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/results_document.h"
#include "engine/run.h"
#include "model/model.h"

extern "C" __attribute__((visibility("default"))) int32_t ORVGO(int32_t version) {
    return Run_Analysis(version);
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

extern "C" __attribute__((visibility("default"))) char* orvane_outcome_text(void) {
    return g_Model.b_ModelInUse == 0 ? nullptr : Handed_Out(Outcome_Text());
}

extern "C" __attribute__((visibility("default"))) void orvane_free(void* text) { std::free(text); }

extern "C" __attribute__((visibility("default"))) char* orvane_check_json(const char* input_path) {
    Check_Input(k_Interface_Version, input_path != nullptr ? input_path : "");
    return Handed_Out(Check_Document());
}
