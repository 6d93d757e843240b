// Common per-node steps of the p-y criteria.
#include "py/py_node.h"

#include <cmath>

#include "model/model.h"
#include "pile/section_properties.h"
#include "py/py_framework.h"

PYNodeValues Gather_PY_Node(int k) {
    const AnalysisModel& m = g_Model;
    PYNodeValues v{};
    v.x = m.XNode[k];
    v.z = m.b_PrintPYMode != 0 ? m.XNode[k] : m.ZNode[k];
    v.zg = v.z - m.XGroundSurface;
    v.b = SectionPropertiesAtDepth(v.x).D;
    v.pm = PMultiplierAtDepth(v.x);
    v.ym = YMultiplierAtDepth(v.x);
    if (m.b_PrintPYMode == 0) {
        // The spring acts on the pile's deflection relative to the moving soil.
        v.y_prime = std::fabs(Y_Node(k) - m.SoilMovement_Node[k]) / v.ym;
    }
    return v;
}
