// ReadElasticSection and ReadElasticPlasticSection: the shape-dependent property lines of the
// elastic pile types and the rows of the section property table they fill. In SI runs widths,
// diameters, depths, wall thicknesses and the hole diameter are millimeters, areas mm2 and
// moments of inertia mm4; E, plastic moments and the H-pile flange and web thicknesses are stored
// as input.
//
// Elastic section: shape code, E, then per shape (one value per line):
//   1 top width, bottom width, top depth, bottom depth, top area, bottom area, I top, I bottom
//   2 top diameter, bottom diameter, top area, bottom area, I top, I bottom
//   3 top and bottom outside diameter, top and bottom wall, top area, bottom area, I top, I bottom
//   4, 5 flange width, section depth, flange thickness, web thickness, area, I
//   6 top width, bottom width, top area, bottom area, I top, I bottom, drilled hole diameter
// Elastic-plastic section: the same with the plastic moment at top and bottom (one for shapes 4
// and 5) right after E.
#include "input/elastic_sections.h"

#include <cstdio>

#include "engine/messages.h"
#include "input/line_reader.h"
#include "input/si_input.h"
#include "model/model.h"

namespace {

constexpr int k_Shape_Rectangle = 1;
constexpr int k_Shape_Circle = 2;
constexpr int k_Shape_Pipe = 3;
constexpr int k_Shape_H_Strong = 4;
constexpr int k_Shape_H_Weak = 5;
constexpr int k_Shape_Pole = 6;

enum class Unit { Length, Area, Inertia, Plain };

struct Field {
    double* value;
    Unit unit;
};

// Reads the fields one per line, converting SI millimeter quantities.
bool Read_Fields(std::initializer_list<Field> fields) {
    for (const Field& f : fields) {
        Read_Data_Line({Real_Item(*f.value)});
        if (g_Model.ErrorStatus != 0) return false;
        switch (f.unit) {
            case Unit::Length: *f.value = Input_Length(*f.value); break;
            case Unit::Area: *f.value = Input_Area(*f.value); break;
            case Unit::Inertia: *f.value = Input_Inertia(*f.value); break;
            case Unit::Plain: break;
        }
    }
    return true;
}

// The shape's lines after E (and the plastic moments).
bool Read_Shape_Lines(int s, int shape) {
    AnalysisModel& m = g_Model;
    const Field top_area = {&m.TopArea[s], Unit::Area};
    const Field bottom_area = {&m.BottomArea[s], Unit::Area};
    const Field top_i = {&m.TopInertia[s], Unit::Inertia};
    const Field bottom_i = {&m.BottomInertia[s], Unit::Inertia};
    const Field top_width = {&m.TopWidth[s], Unit::Length};
    const Field bottom_width = {&m.BottomWidth[s], Unit::Length};
    switch (shape) {
        case k_Shape_Rectangle:
            return Read_Fields({top_width, bottom_width, {&m.TopDepth[s], Unit::Length},
                                {&m.BottomDepth[s], Unit::Length}, top_area, bottom_area, top_i,
                                bottom_i});
        case k_Shape_Circle:
            return Read_Fields({top_width, bottom_width, top_area, bottom_area, top_i, bottom_i});
        case k_Shape_Pipe:
            return Read_Fields({top_width, bottom_width, {&m.TopWallThickness[s], Unit::Length},
                                {&m.BottomWallThickness[s], Unit::Length}, top_area, bottom_area,
                                top_i, bottom_i});
        case k_Shape_H_Strong:
        case k_Shape_H_Weak:
            // One depth, area and inertia: the bottom takes the top's; the bottom width stays unset.
            if (!Read_Fields({{&m.FlangeWidth[s], Unit::Length}, {&m.TopDepth[s], Unit::Length},
                              {&m.FlangeThickness[s], Unit::Plain},
                              {&m.WebThickness[s], Unit::Plain}, top_area, top_i})) {
                return false;
            }
            m.BottomDepth[s] = m.TopDepth[s];
            m.BottomArea[s] = m.TopArea[s];
            m.BottomInertia[s] = m.TopInertia[s];
            return true;
        default:
            return Read_Fields({top_width, bottom_width, top_area, bottom_area, top_i, bottom_i,
                                {&m.HoleDiameter[s], Unit::Length}});
    }
}

// Rows 2s - 1 and 2s of the section property table.
void Set_Table_Rows(int s, int shape) {
    AnalysisModel& m = g_Model;
    const int top = 2 * s - 1;
    const int bottom = 2 * s;
    m.SectionPointI[top] = m.TopInertia[s];
    m.SectionPointI[bottom] = m.BottomInertia[s];
    m.SectionPointE[top] = m.SectionPointE[bottom] = m.ElasticModulus[s];
    m.SectionPointA[top] = m.TopArea[s];
    m.SectionPointA[bottom] = m.BottomArea[s];
    switch (shape) {
        case k_Shape_H_Strong:
            m.SectionPointD[top] = m.SectionPointD[bottom] = m.FlangeWidth[s];
            break;
        case k_Shape_H_Weak:
            m.SectionPointD[top] = m.SectionPointD[bottom] = m.TopDepth[s];
            break;
        case k_Shape_Pole:
            m.SectionPointD[top] = m.SectionPointD[bottom] = m.HoleDiameter[s];
            m.SectionPointD2[top] = m.TopWidth[s];
            m.SectionPointD2[bottom] = m.BottomWidth[s];
            break;
        default:
            m.SectionPointD[top] = m.TopWidth[s];
            m.SectionPointD[bottom] = m.BottomWidth[s];
            break;
    }
}

// Shape code, E, the plastic moments when asked, the shape's lines and the table rows. Another
// shape code reads nothing further.
void Read_Elastic(int s, bool plastic) {
    AnalysisModel& m = g_Model;
    Read_Data_Line({Int_Item(m.i_ElasticShape[s])});
    if (m.ErrorStatus != 0) return;
    const int shape = m.i_ElasticShape[s];
    if (shape < k_Shape_Rectangle || shape > k_Shape_Pole) return;
    if (!Read_Fields({{&m.ElasticModulus[s], Unit::Plain}})) return;
    if (plastic) {
        const bool one_moment = shape == k_Shape_H_Strong || shape == k_Shape_H_Weak;
        if (!Read_Fields({{&m.PlasticMomentTop[s], Unit::Plain}})) return;
        if (one_moment) {
            m.PlasticMomentBottom[s] = m.PlasticMomentTop[s];
        } else if (!Read_Fields({{&m.PlasticMomentBottom[s], Unit::Plain}})) {
            return;
        }
    }
    if (!Read_Shape_Lines(s, shape)) return;
    Set_Table_Rows(s, shape);
}

void Write_Progress(const char* text, int s) {
    char line[96];
    std::snprintf(line, sizeof line, "%s%d", text, s);
    Write_Message_Line(line);
}

}  // namespace

void ReadElasticSection(int s) {
    Write_Progress("Reading elastic section properties for Section ", s);
    Read_Elastic(s, false);
}

void ReadElasticPlasticSection(int s) {
    Write_Progress("Reading elastic-plastic section properties for Section ", s);
    Read_Elastic(s, true);
}
