// Millimeter input of SI runs.
#include "input/si_input.h"

#include "model/model.h"
#include "model/units.h"

namespace {

bool Is_SI() { return g_Model.IUNITS == k_Units_SI; }

}  // namespace

double Input_Length(double value) { return Is_SI() ? value / 1000.0 : value; }
double Input_Area(double value) { return Is_SI() ? value / 1.0e6 : value; }
double Input_Inertia(double value) { return Is_SI() ? value / 1.0e12 : value; }
