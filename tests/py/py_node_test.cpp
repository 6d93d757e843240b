// The values every criterion gathers for a node, and the signed deflection at a depth that the
// sloping-ground criteria read in print mode.
#include <gtest/gtest.h>

#include "model/model.h"
#include "py/py_node.h"
#include "support/model_fixture.h"

class PYNodeTest : public ModelTest {};

TEST_F(PYNodeTest, DeflectionAtADepthIsLinearBetweenTheBracketingNodes) {
    AnalysisModel& m = g_Model;
    m.NumNodes = 4;
    const double z[] = {0.0, 2.0, 4.0, 6.0};
    const double y[] = {0.05, 0.03, 0.0, -0.01};
    for (int k = 1; k <= 4; ++k) {
        m.ZNode[k] = z[k - 1];
        Y_Node(k) = y[k - 1];
    }
    struct Case { const char* name; double depth; double y; };
    const Case cases[] = {
        {"at the head", 0.0, 0.05},
        {"inside the first interval", 1.0, 0.04},
        {"on a node", 4.0, 0.0},
        {"inside the last interval", 5.0, -0.005},
        {"at the tip", 6.0, -0.01},
        {"above the head: the line through nodes 1 and 2", -1.0, 0.06},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(Deflection_At_Vertical_Depth(row.depth), row.y, 1e-15);
    }
}
