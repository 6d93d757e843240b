// Interpolation of the section property table along the pile.
#include "pile/section_properties.h"

#include "model/capacities.h"
#include "model/model.h"
#include "model/section_types.h"
#include "pile/interpolation.h"

namespace {

SectionProperties Properties_Of_Point(int i) {
    const AnalysisModel& m = g_Model;
    return {m.SectionPointD[i], m.SectionPointD2[i], m.SectionPointI[i], m.SectionPointA[i],
            m.SectionPointE[i] * m.SectionPointI[i]};
}

}  // namespace

SectionProperties SectionPropertiesAtDepth(double x) {
    const AnalysisModel& m = g_Model;
    const int P = m.NumSectionPoints;
    for (int i = 2; i <= P; ++i) {
        if (x > m.XSectionPoint[i]) continue;
        if (x == m.XSectionPoint[P]) return Properties_Of_Point(P);
        if (x != m.XSectionPoint[i]) {
            const double x0 = m.XSectionPoint[i - 1];
            const double x1 = m.XSectionPoint[i];
            // A depth above a zero-length first segment has nothing to interpolate along.
            if (x1 - x0 <= 0.0) return Properties_Of_Point(i);
            const SectionProperties upper = Properties_Of_Point(i - 1);
            const SectionProperties lower = Properties_Of_Point(i);
            return {Interpolate_Linear(x, x0, upper.D, x1, lower.D),
                    Interpolate_Linear(x, x0, upper.D2, x1, lower.D2),
                    Interpolate_Linear(x, x0, upper.I, x1, lower.I),
                    Interpolate_Linear(x, x0, upper.A, x1, lower.A),
                    Interpolate_Linear(x, x0, upper.EI, x1, lower.EI)};
        }
        // On a section boundary the two points share the depth: the section below governs.
        if (i < P && m.XSectionPoint[i + 1] == m.XSectionPoint[i]) return Properties_Of_Point(i + 1);
        return Properties_Of_Point(i);
    }
    return Properties_Of_Point(P);
}

namespace {

// Elastic-plastic shapes whose capacity varies along the section: rectangle, circle, pipe and
// embedded pole. The H-pile shapes keep the capacity of their tables.
bool Plastic_Moment_Varies(int shape) { return shape == 1 || shape == 2 || shape == 3 || shape == 6; }

}  // namespace

bool Nominal_Moment_Capacity_At(int s, int t, double x, double& capacity) {
    const AnalysisModel& m = g_Model;
    capacity = 0.0;
    if (s < 1 || s > k_Max_Sections || m.SectionType[s] == k_Section_Elastic) return false;
    if (m.SectionType[s] == k_Section_Elastic_Plastic && Plastic_Moment_Varies(m.i_ElasticShape[s])) {
        const double top = m.XSectionTop[s];
        const double length = m.XSectionBottom[s] - top;
        capacity = length > 0.0 ? m.PlasticMomentTop[s] + (m.PlasticMomentBottom[s] - m.PlasticMomentTop[s]) * (x - top) / length
                                : m.PlasticMomentTop[s];
        return true;
    }
    capacity = t >= 1 && t <= k_Max_EI_Thrusts ? m.rd_TableNominalCap[s][t] : 0.0;
    return true;
}
