// Segment-by-segment equilibrium of the solved pile. Every segment between two nodes carries its
// upper node's whole shear and moment into its lower node; the thrust acting through the change
// of deflection and the net lateral load over the segment make up the difference. The
// finite-difference solution balances every segment exactly where the bending stiffness is
// smooth, so an imbalance points at abrupt changes of stiffness near the head, which spoil the
// difference shear there. The confirmation or warning the report shows is report/
// equilibrium_report's.
#include "solver/equilibrium.h"

#include <cassert>
#include <cmath>

#include "model/model.h"

namespace {

// Net lateral load term of node j: distributed load less the soil spring's reaction.
double Net_Load(int j) {
    const AnalysisModel& m = g_Model;
    return m.W_Node[j] - m.Es_Node[j] * Y_Node(j);
}

// Keeps a segment's imbalances when larger in magnitude than those kept; the earlier node wins a tie.
void Keep_Largest(const SegmentImbalance& s, int k) {
    AnalysisModel& m = g_Model;
    if (std::fabs(s.moment) > std::fabs(m.rd_MaxMomentImbalance)) {
        m.rd_MaxMomentImbalance = s.moment;
        m.i_MaxMomentImbalanceNode = k;
    }
    if (std::fabs(s.force) > std::fabs(m.rd_MaxForceImbalance)) {
        m.rd_MaxForceImbalance = s.force;
        m.i_MaxForceImbalanceNode = k;
    }
}

// The head segment starts from the pile head: slope and EI y''' through the imaginary nodes with
// the head stiffness, and the moment the node response kept for the report.
void Start_At_Head() {
    AnalysisModel& m = g_Model;
    const double h = m.IncrementLength;
    m.rd_EqUpperSlope = (Y_Node(2) - Y_Node(0)) / (2.0 * h);
    m.rd_EqUpperShear = -m.EI_Node[1] *
                        (Y_Node(-1) - 2.0 * Y_Node(0) + 2.0 * Y_Node(2) - Y_Node(3)) /
                        (2.0 * h * h * h);
    m.rd_EqUpperMoment = m.rd_HeadMomentResult;
    m.rd_EqLowerMoment = m.rd_Moment_Node[2];
    m.rd_MaxMomentImbalance = 0.0;
    m.i_MaxMomentImbalanceNode = 0;
    m.rd_MaxForceImbalance = 0.0;
    m.i_MaxForceImbalanceNode = 0;
}

// Segment from node k - 2 to node k - 1, closed once the moment of node k is known: the shear
// at k - 1 is the central difference of the moments about it plus the thrust's part. The
// segment's lower node then becomes the next segment's upper node.
void Check_Inner_Segment(int k) {
    AnalysisModel& m = g_Model;
    const double h = m.IncrementLength;
    const double Q = m.AxialThrust;
    const double slope_l = (Y_Node(k) - Y_Node(k - 2)) / (2.0 * h);
    const double shear_l = (m.rd_Moment_Node[k] - m.rd_EqUpperMoment) / (2.0 * h);
    const SegmentImbalance s = Compute_Segment_Imbalance(
        h, Q, m.rd_EqUpperShear, m.rd_EqUpperSlope, Q * slope_l + shear_l, m.rd_EqUpperMoment,
        m.rd_EqLowerMoment, Y_Node(k - 2), Y_Node(k - 1), Net_Load(k - 2), Net_Load(k - 1));
    Keep_Largest(s, k);
    m.rd_EqUpperShear = shear_l;
    m.rd_EqUpperSlope = slope_l;
    m.rd_EqUpperMoment = m.rd_EqLowerMoment;
    m.rd_EqLowerMoment = m.rd_Moment_Node[k];
}

// Segment from node N - 1 to the tip, where the moment is zero and the shear is the tip shear.
void Check_Tip_Segment() {
    const AnalysisModel& m = g_Model;
    const int N = m.NumNodes;
    const SegmentImbalance s = Compute_Segment_Imbalance(
        m.IncrementLength, m.AxialThrust, m.rd_EqUpperShear, m.rd_EqUpperSlope, m.TipShear,
        m.rd_EqUpperMoment, 0.0, Y_Node(N - 1), Y_Node(N), Net_Load(N - 1), Net_Load(N));
    Keep_Largest(s, N + 1);
}

}  // namespace

SegmentImbalance Compute_Segment_Imbalance(double h, double Q, double shear_u, double slope_u,
                                           double shear_l_total, double M_u, double M_l,
                                           double y_u, double y_l, double n_u, double n_l) {
    const double shear_u_total = shear_u + slope_u * Q;
    SegmentImbalance s{};
    s.force = shear_u_total - shear_l_total + (n_u + n_l) * h / 2.0;
    s.moment = (n_u * h / 2.0 + shear_u_total) * h + Q * (y_u - y_l) + (M_u - M_l);
    return s;
}

void CheckEquilibrium(int k) {
    const int N = g_Model.NumNodes;
    assert(k >= 3 && k <= N + 1);
    if (k == 3) Start_At_Head();
    if (k <= N) {
        Check_Inner_Segment(k);
        return;
    }
    Check_Tip_Segment();
}
