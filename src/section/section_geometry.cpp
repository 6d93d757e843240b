// Section models, outlines and slicing. Every nonlinear section is cut into 100 horizontal
// slices of equal thickness from the compression face (the top) down; each slice carries its
// own areas of concrete, bars, casing steel, core steel and core concrete. Circles are sliced
// by differencing circular segments, polygons by clipping at the slice boundaries, bars as
// circles of their own area.
#include "section/section_geometry.h"

#include <cmath>

#include "model/model.h"
#include "model/section_types.h"
#include "report/number_writer.h"

namespace {

constexpr double k_Pi = 3.141592653589793;
constexpr double k_Octagon_Factor = 0.2071000039577484;   // 0.2071 (s): half side over width
constexpr double k_Merge_Distance_Squared = 1e-8;         // clipped points closer than 1e-4 merge
constexpr int k_Max_Clipped_Points = 100;

bool Is_Circle_Model(int model) {
    return model == k_Model_Round || model == k_Model_Round_Core || model == k_Model_Cased ||
           model == k_Model_Cased_Core || model == k_Model_Micropile;
}

void Set_Outline_Point(int i, double x, double y) {
    g_Model.rd_OutlineX[i] = x;
    g_Model.rd_OutlineY[i] = y;
}

// The 8-point outline of a square of width W with corner chamfer c, counter-clockwise.
void Set_Chamfered_Square(double W, double c) {
    const double h = 0.5 * W;
    Set_Outline_Point(1, h - c, -h);
    Set_Outline_Point(2, h, c - h);
    Set_Outline_Point(3, h, h - c);
    Set_Outline_Point(4, h - c, h);
    Set_Outline_Point(5, c - h, h);
    Set_Outline_Point(6, -h, h - c);
    Set_Outline_Point(7, -h, c - h);
    Set_Outline_Point(8, c - h, -h);
    g_Model.i_NumOutlinePoints = 8;
}

// The regular octagon of width D across flats, counter-clockwise.
void Set_Octagon(double D) {
    const double a = k_Octagon_Factor * D;
    const double h = 0.5 * D;
    Set_Outline_Point(1, a, -h);
    Set_Outline_Point(2, h, -a);
    Set_Outline_Point(3, h, a);
    Set_Outline_Point(4, a, h);
    Set_Outline_Point(5, -a, h);
    Set_Outline_Point(6, -h, a);
    Set_Outline_Point(7, -h, -a);
    Set_Outline_Point(8, -a, -h);
    g_Model.i_NumOutlinePoints = 8;
}

void Set_Core(double diameter, double wall) {
    AnalysisModel& m = g_Model;
    // A void of no diameter removes nothing.
    m.b_HasCore = diameter > 0.0 ? -1 : 0;
    m.rd_CoreOuterDiameter = diameter;
    m.rd_CoreCentreY = 0.0;
    m.rd_CoreWall = wall;
}

// Outline depth, width, casing and core of section s by its input type.
void Set_Outline(int s) {
    AnalysisModel& m = g_Model;
    const int type = m.SectionType[s];
    const double D = m.SectionDiameter[s];
    const double chamfer = m.ChamferWidth[s];
    m.rd_Depth = D;
    m.rd_Width = D;
    m.rd_CasingWall = 0.0;
    m.rd_CasingOuterDiameter = 0.0;
    m.i_NumOutlinePoints = 0;
    Set_Core(0.0, 0.0);
    switch (type) {
        case k_Section_Rectangular: m.rd_Width = m.SectionWidth[s]; break;
        case k_Section_Cased: m.rd_CasingWall = m.CasingThickness[s]; break;
        case k_Section_Cased_Core:
            m.rd_CasingWall = m.CasingThickness[s];
            Set_Core(m.CoreDiameter[s], m.CoreThickness[s]);
            break;
        case k_Section_Pipe: m.rd_CasingWall = m.PipeThickness[s]; break;
        case k_Section_Micropile:
            // The outline is the grouted hole; the casing lies inside it.
            m.rd_CasingWall = m.CasingThickness[s];
            m.rd_CasingOuterDiameter = m.rd_CasingDiameter[s];
            break;
        case k_Section_Circular_Hollow: Set_Core(m.VoidDiameter[s], 0.0); break;
        case k_Section_Square_Solid:
        case k_Section_Square_Hollow:
            if (chamfer != 0.0) Set_Chamfered_Square(D, chamfer);
            if (type == k_Section_Square_Hollow) Set_Core(m.VoidDiameter[s], 0.0);
            break;
        case k_Section_Octagonal_Solid:
        case k_Section_Octagonal_Hollow:
            Set_Octagon(D);
            if (type == k_Section_Octagonal_Hollow) Set_Core(m.VoidDiameter[s], 0.0);
            break;
        default: break;
    }
    if (m.i_NumOutlinePoints > 0) {
        double y_min = m.rd_OutlineY[1];
        double y_max = m.rd_OutlineY[1];
        for (int i = 2; i <= m.i_NumOutlinePoints; ++i) {
            y_min = std::fmin(y_min, m.rd_OutlineY[i]);
            y_max = std::fmax(y_max, m.rd_OutlineY[i]);
        }
        m.rd_Depth = y_max - y_min;
    }
}

// Adds the strips of a circle of diameter Dc centred at yc to area[]: the cumulative segment
// below the circle's top at every slice bottom, differenced, the last slice taking what is left
// of the whole circle. Slices above the grid go to slice 1, below it to slice 100.
void Add_Circle_Strips(double Dc, double yc, std::array<double, k_Num_Slices + 1>& area,
                       double sign) {
    if (Dc <= 0.0) return;
    const AnalysisModel& m = g_Model;
    const double y_top = yc + 0.5 * Dc;
    const int i_top = y_top > m.SliceY[0] ? 1 : fn_FindSliceY(y_top);
    const int i_bottom = fn_FindSliceY(yc - 0.5 * Dc);
    double previous = 0.0;
    for (int i = i_top; i <= i_bottom; ++i) {
        const double S = i < i_bottom ? CircleSegmentArea(Dc, y_top - m.SliceY[i])
                                      : 0.25 * k_Pi * Dc * Dc;
        area[i] += sign * (S - previous);
        previous = S;
    }
}

// Strips of the section's outline circle, measured from the compression face.
void Set_Circle_Concrete() {
    AnalysisModel& m = g_Model;
    const double D = m.rd_Depth;
    const double t = m.rd_SliceThickness;
    double previous = 0.0;
    for (int i = 1; i <= k_Num_Slices; ++i) {
        const double S = CircleSegmentArea(D, i * t);
        m.ConcreteSliceArea[i] = S - previous;
        previous = S;
    }
}

void Set_Polygon_Concrete() {
    AnalysisModel& m = g_Model;
    for (int i = 1; i <= k_Num_Slices; ++i) {
        m.ConcreteSliceArea[i] = PolygonStripArea(m.SliceY[i], m.SliceY[i - 1]);
    }
}

void Clear_Slices() {
    AnalysisModel& m = g_Model;
    for (int i = 0; i <= k_Num_Slices; ++i) {
        m.ConcreteSliceArea[i] = 0.0;
        m.RebarSliceArea[i] = 0.0;
        m.CasingSliceArea[i] = 0.0;
        m.CoreSliceArea[i] = 0.0;
        m.CoreConcreteSliceArea[i] = 0.0;
    }
    m.i_CoreTopSlice = 0;
    m.i_CoreBottomSlice = 0;
}

}  // namespace

double Bar_Y(int s, int j) {
    const int type = g_Model.SectionType[s];
    const bool shaft = type == k_Section_Shaft || type == k_Section_Cased || type == k_Section_Cased_Core;
    return g_Model.BarY[j][s] + (shaft ? g_Model.CageOffset[s] : 0.0);
}

double Circle_Area(double D) { return k_Pi / 4.0 * D * D; }

double Total_Bar_Area(int s) {
    const AnalysisModel& m = g_Model;
    double As = 0.0;
    for (int j = 1; j <= m.NumBars[s] && j <= k_Max_Bars; ++j) As += m.BarArea[j][s];
    return As;
}

double CircleSegmentArea(double D, double h) {
    if (D <= 0.0) return 0.0;
    double c = 1.0 - h / (0.5 * D);
    if (std::fabs(c) > 1.0) {
        if (c > 0.99) c = 1.0;
        if (c < -0.99) c = -1.0;
    }
    double alpha = 0.5 * k_Pi;
    if (std::fabs(c) >= 1e-12) {
        alpha = std::atan(std::sqrt(std::fabs(1.0 - c * c)) / c);
        if (c < 0.0) alpha += k_Pi;
    }
    return D * D / 8.0 * (2.0 * alpha - std::sin(2.0 * alpha));
}

double Polygon_Area_Above(const double* x, const double* y, int n, double y_line) {
    double cx[k_Max_Clipped_Points + 1];
    double cy[k_Max_Clipped_Points + 1];
    int count = 0;
    bool overflow = false;
    auto add = [&](double px, double py) {
        if (count > 0) {
            const double dx = px - cx[count - 1];
            const double dy = py - cy[count - 1];
            if (dx * dx + dy * dy < k_Merge_Distance_Squared) return;
        }
        if (count > k_Max_Clipped_Points) {
            overflow = true;
            return;
        }
        cx[count] = px;
        cy[count] = py;
        ++count;
    };
    for (int i = 0; i < n; ++i) {
        const int next = (i + 1) % n;
        const bool in_here = y[i] >= y_line;
        const bool in_next = y[next] >= y_line;
        if (in_here) add(x[i], y[i]);
        if (in_here != in_next) {
            const double f = (y_line - y[i]) / (y[next] - y[i]);
            add(x[i] + f * (x[next] - x[i]), y_line);
        }
    }
    // The closing point merges with the first when they coincide.
    if (count > 1) {
        const double dx = cx[count - 1] - cx[0];
        const double dy = cy[count - 1] - cy[0];
        if (dx * dx + dy * dy < k_Merge_Distance_Squared) --count;
    }
    if (overflow || count < 3 || count > k_Max_Clipped_Points) return 0.0;
    double twice_area = 0.0;
    for (int i = 0; i < count; ++i) {
        const int next = (i + 1) % count;
        twice_area += cx[i] * cy[next] - cx[next] * cy[i];
    }
    return std::fabs(0.5 * twice_area);
}

double PolygonStripArea(double y_bottom, double y_top) {
    const AnalysisModel& m = g_Model;
    const int n = m.i_NumOutlinePoints;
    const double* x = &m.rd_OutlineX[1];
    const double* y = &m.rd_OutlineY[1];
    return Polygon_Area_Above(x, y, n, y_bottom) - Polygon_Area_Above(x, y, n, y_top);
}

int fn_FindSliceY(double y) {
    const AnalysisModel& m = g_Model;
    for (int i = 1; i <= k_Num_Slices; ++i) {
        if (m.SliceY[i - 1] >= y && y > m.SliceY[i]) return i;
    }
    return k_Num_Slices;
}

void Calculate_Rebar_Slice_Areas(int s) {
    AnalysisModel& m = g_Model;
    for (int i = 1; i <= k_Num_Slices; ++i) m.RebarSliceArea[i] = 0.0;
    const int n = m.NumBars[s];
    if (n > k_Max_Bars) {
        FortranRecord line = Text_With_Integer("Error in Calculate_Rebar_Slice_Areas - NumBars out of valid range = ", n, " (more than ");
        Append_I(line, k_Max_Bars, 0);
        Append_Text(line, " bars)");
        WriteLine(line.text.data());
        return;
    }
    for (int j = 1; j <= n; ++j) {
        const double d = m.BarDiameter[j][s];
        const double A = m.BarArea[j][s];
        const double y_top = Bar_Y(s, j) + 0.5 * d;
        const int i_top = y_top > m.SliceY[0] ? 1 : fn_FindSliceY(y_top);
        const double y_bottom = y_top - d;
        const int i_bottom = y_bottom > m.SliceY[0] ? 1 : fn_FindSliceY(y_bottom);
        if (i_top >= i_bottom) {
            m.RebarSliceArea[i_top] += A;
            continue;
        }
        // The bar as a circle of its own area, cut at the slice bottoms.
        const double d_equiv = std::sqrt(4.0 * A / k_Pi);
        double previous = 0.0;
        for (int i = i_top; i <= i_bottom; ++i) {
            const double S = i < i_bottom ? CircleSegmentArea(d_equiv, y_top - m.SliceY[i]) : A;
            m.RebarSliceArea[i] += S - previous;
            previous = S;
        }
    }
    for (int i = 1; i <= k_Num_Slices; ++i) m.ConcreteSliceArea[i] -= m.RebarSliceArea[i];
}

void Calculate_Casing_Slice_Areas() {
    AnalysisModel& m = g_Model;
    // A micropile's casing lies inside its grouted hole, every other casing or pipe is the outline.
    const bool micropile = m.i_SectionModel == k_Model_Micropile;
    const double D = micropile ? m.rd_CasingOuterDiameter : m.rd_Depth;
    const double tc = m.rd_CasingWall;
    for (int i = 1; i <= k_Num_Slices; ++i) m.CasingSliceArea[i] = 0.0;
    if (micropile && tc <= 0.0) return;   // a micropile without casing: grout and bar only
    Add_Circle_Strips(D, 0.0, m.CasingSliceArea, 1.0);
    if (tc <= 0.0) return;
    Add_Circle_Strips(D - 2.0 * tc, 0.0, m.CasingSliceArea, -1.0);
    if (m.i_SectionModel == k_Model_Pipe) return;   // the pipe has no concrete to take it from
    for (int i = 1; i <= k_Num_Slices; ++i) m.ConcreteSliceArea[i] -= m.CasingSliceArea[i];
}

void Calculate_Core_Slice_Areas() {
    AnalysisModel& m = g_Model;
    if (m.b_HasCore == 0) return;
    const double Dk = m.rd_CoreOuterDiameter;
    const double yk = m.rd_CoreCentreY;
    const double tk = m.rd_CoreWall;
    m.i_CoreTopSlice = fn_FindSliceY(yk + 0.5 * Dk);
    m.i_CoreBottomSlice = fn_FindSliceY(yk - 0.5 * Dk);
    std::array<double, k_Num_Slices + 1> outer{};
    Add_Circle_Strips(Dk, yk, outer, 1.0);
    for (int i = 1; i <= k_Num_Slices; ++i) m.ConcreteSliceArea[i] -= outer[i];
    if (tk <= 0.0) return;   // a void: nothing but the hole
    std::array<double, k_Num_Slices + 1> inner{};
    Add_Circle_Strips(Dk - 2.0 * tk, yk, inner, 1.0);
    const bool filled = m.b_FillCoreWithConcrete[m.i_CurrentSection] != 0;
    for (int i = 1; i <= k_Num_Slices; ++i) {
        m.CoreSliceArea[i] = outer[i] - inner[i];
        if (filled) m.CoreConcreteSliceArea[i] = inner[i];
    }
}

void Set_Section_Outline(int s) {
    AnalysisModel& m = g_Model;
    m.i_CurrentSection = s;
    m.i_SectionModel = Section_Model_Of(s);
    Set_Outline(s);
}

void Slice_Section(int s) {
    AnalysisModel& m = g_Model;
    const int model = m.i_SectionModel;
    m.i_NumSlices = k_Num_Slices;
    m.rd_SliceThickness = std::fabs(m.rd_Depth) / k_Num_Slices;
    double y_top = 0.5 * m.rd_Depth;
    if (m.i_NumOutlinePoints > 0) {
        y_top = m.rd_OutlineY[1];
        for (int i = 2; i <= m.i_NumOutlinePoints; ++i) y_top = std::fmax(y_top, m.rd_OutlineY[i]);
    }
    for (int j = 0; j <= k_Num_Slices; ++j) m.SliceY[j] = y_top - j * m.rd_SliceThickness;
    Clear_Slices();

    // Outline, then the components each model has, in the order that decides which area each
    // slice loses to which component.
    if (model == k_Model_Rectangle || model == k_Model_Rectangle_Core) {
        const double strip = m.rd_Depth * m.rd_Width / k_Num_Slices;
        for (int i = 1; i <= k_Num_Slices; ++i) m.ConcreteSliceArea[i] = strip;
    } else if (Is_Circle_Model(model)) {
        Set_Circle_Concrete();
    } else if (model == k_Model_Polygon || model == k_Model_Polygon_Voids) {
        Set_Polygon_Concrete();
    }
    if (model == k_Model_Cased || model == k_Model_Cased_Core || model == k_Model_Pipe ||
        model == k_Model_Micropile) {
        Calculate_Casing_Slice_Areas();
    }
    if (model != k_Model_Pipe) Calculate_Rebar_Slice_Areas(s);
    if (model == k_Model_Rectangle_Core || model == k_Model_Round_Core ||
        model == k_Model_Cased_Core || model == k_Model_Polygon_Voids) {
        Calculate_Core_Slice_Areas();
    }

    m.rd_TotalConcreteArea = 0.0;
    m.rd_TotalRebarArea = 0.0;
    m.i_FirstRebarSlice = 0;
    m.i_LastRebarSlice = -1;
    for (int i = 1; i <= k_Num_Slices; ++i) {
        m.rd_TotalConcreteArea += m.ConcreteSliceArea[i];
        m.rd_TotalRebarArea += m.RebarSliceArea[i];
        m.rd_SliceDepth[i] = 0.5 * m.rd_SliceThickness + (i - 1) * m.rd_SliceThickness;
        if (m.RebarSliceArea[i] != 0.0) {
            if (m.i_FirstRebarSlice == 0) m.i_FirstRebarSlice = i;
            m.i_LastRebarSlice = i;
        }
    }
}
