#include "engine/run.h"
int32_t Run_Analysis(int32_t version) { return version == k_Interface_Version ? 0 : k_Result_Wrong_Version; }
