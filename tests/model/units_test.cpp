// Unit labels per unit system and the initial soil type code table.
#include <gtest/gtest.h>

#include "model/model.h"
#include "model/units.h"
#include "support/model_fixture.h"

class UnitsTest : public ModelTest {};

TEST_F(UnitsTest, LabelsKeepTheirWidthsPerUnitSystem) {
    struct Case { int units; const char* length; const char* moment; const char* stress_large;
                  const char* unit_weight_input; };
    const Case cases[] = {
        {0, "   ", "        ", "    ", "     "},
        {k_Units_US, "in ", "in-lb   ", "psf ", "pcf  "},
        {k_Units_SI, "m  ", "kN-m    ", "kPa ", "kN/m3"},
        {k_Units_General, "L  ", "F-L     ", "F/L2", "F/L3 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.units);
        g_Model.IUNITS = c.units;
        Set_Unit_Labels();
        EXPECT_STREQ(g_Model.LabelLength, c.length);
        EXPECT_STREQ(g_Model.LabelMoment, c.moment);
        EXPECT_STREQ(g_Model.LabelStressLarge, c.stress_large);
        EXPECT_STREQ(g_Model.LabelUnitWeightInput, c.unit_weight_input);
        EXPECT_STREQ(g_Model.LabelPower, "**");
        EXPECT_STREQ(g_Model.LabelExp3, "3");
    }
}

TEST_F(UnitsTest, InitialStateHasSoilTypeCodeTable) {
    EXPECT_STREQ(g_Model.SoilTypeCode[1].data(), "SoftClay  ");
    EXPECT_STREQ(g_Model.SoilTypeCode[5].data(), "Sand      ");
    EXPECT_STREQ(g_Model.SoilTypeCode[15].data(), "SoftClyJ  ");
    EXPECT_STREQ(g_Model.SoilTypeCode[20].data(), "Undefined ");
    EXPECT_STREQ(g_Model.SoilTypeName[4].data(), "Stiff Clay w/o Free Water, using k");
}
