// Prestress of the prestressed pile sections: the uniform concrete and strand strains left by
// the effective prestressing force, the capacities that follow from it (PCI estimates of axial
// compression, tension and moment) and the report block that shows them, written once per
// section however often the section setup runs. Slice areas come from the slicing of
// section/section_geometry and the concrete modulus from section/materials.
#include "section/prestress.h"

#include <cstdio>
#include <cstring>

#include "engine/errors.h"
#include "model/model.h"
#include "model/units.h"
#include "report/fortran_format.h"
#include "report/number_writer.h"
#include "section/materials.h"
#include "section/section_lines.h"

namespace {

constexpr double k_Concrete_Block_Factor = 0.8500000238418579;   // 0.85 (s)
constexpr double k_PCI_Prestress_Factor = 0.6000000238418579;    // 0.6 (s)
constexpr double k_PCI_Service_fc_Factor = 0.33000001311302185;  // 0.33 (s)
constexpr double k_PCI_Service_fpc_Factor = 0.27000001072883606; // 0.27 (s)

// PCI moment coefficient and the equation's text by input section type (5..10). The circular
// solid pile's text ends in a blank: that is how the report has always printed it.
struct PCIMoment {
    int type;
    double c;
    const char* text;
};

constexpr PCIMoment k_PCI_Moments[] = {
    {5, 0.3199999928474426, "Mn = 0.32 D As fpu "},   // 0.32 (s)
    {6, 0.3400000035762787, "Mn = 0.34 D As fpu"},    // 0.34 (s)
    {7, 0.3700000047683716, "Mn = 0.37 D As fpu"},    // 0.37 (s)
    {8, 0.3799999952316284, "Mn = 0.38 D As fpu"},    // 0.38 (s)
    {9, 0.3199999928474426, "Mn = 0.32 D As fpu"},
    {10, 0.3400000035762787, "Mn = 0.34 D As fpu"},
};

// Strand strength in the section's stress unit: the input keeps fpu in psi in every unit system.
double Strand_Fpu(int s) {
    const double ksi = g_Model.StrandFpu[s] / 1000.0;
    return g_Model.IUNITS == k_Units_SI ? ksi * k_Ksi_To_KPa : ksi;
}

double Slice_Sum(const std::array<double, k_Num_Slices + 1>& area) {
    double sum = 0.0;
    for (int i = 1; i <= k_Num_Slices; ++i) sum += area[i];
    return sum;
}

void Raise_Area_Error(int number, const char* text, double area) {
    const FortranRecord title = Error_Heading(false, number);
    WriteLine(title.text.data());
    WriteLine("");
    WriteLine("An error occurred in prestressing computations");
    FortranRecord r = Text_With_F(text, area, 15, 5);
    WriteLine(r.text.data());
    Raise_Runtime_Error(number);
}

// The quantities the report block shows besides the model's results.
struct PrestressInputs {
    double Pi;   // initial force, in the run's force unit (lbs | kN)
    double Pe;   // effective force after losses
    double Ac;
    double As;
    double Es;
};

void Write_Prestress_Block(const PrestressInputs& p) {
    const AnalysisModel& m = g_Model;
    const bool us = m.IUNITS == k_Units_US;
    // Forces are shown in the section's unit: pounds become kips, kN stay kN.
    const double force_scale = us ? 1.0 / 1000.0 : 1.0;
    const int area_decimals = us ? 3 : 6;
    char area_unit[16];
    std::snprintf(area_unit, sizeof area_unit, " Sq.%.8s", m.c_LabelLength);
    WriteLine("");
    WriteLine("Computation of Loss of Prestress:");
    WriteLine("---------------------------------");
    Write_Property_Line("Initial Prestressing Force", p.Pi * force_scale, 3, m.c_LabelForce);
    Write_Property_Line("Fraction of Loss of Prestress", m.PrestressLossFraction[m.i_CurrentSection], 3, "");
    Write_Property_Line("Effective Prestressing Force", p.Pe * force_scale, 3, m.c_LabelForce);
    Write_Property_Line("Area of Concrete, Ac", p.Ac, area_decimals, area_unit);
    Write_Property_Line("Area of Steel, As", p.As, area_decimals, area_unit);
    Write_Property_Line("Stress in Concrete After Losses, f_pc", m.rd_fpc, 3, m.c_LabelStress);
    Write_Property_Line("Stress in Steel After Losses", m.rd_PrestrainSteel * p.Es, 3, m.c_LabelStress);
    Write_Property_Line("Compressive Strain in Concrete", m.rd_PrestrainConcrete, 7, "");
    Write_Property_Line("Tensile Strain in Steel", m.rd_PrestrainSteel, 7, "");
    WriteLine("");
    WriteLine("Estimated Structural Capacities Computed Using PCI Equations:");
    WriteLine("-------------------------------------------------------------");
    Write_Property_Line("Nom. Axial Cap., Pn = (0.85 f'c - 0.60 f_pc) Ag", m.rd_AxialCapComp, 3, m.c_LabelForce);
    const double N = (k_PCI_Service_fc_Factor * m.rd_fc - k_PCI_Service_fpc_Factor * m.rd_fpc) * (p.Ac + p.As);
    Write_Property_Line("Unfac. Axial Load Cap. N  = (0.33 f'c - 0.27 f_pc) Ag", N, 3, m.c_LabelForce);
    Write_Property_Line("Axial Capacity in Tension, Nt = As fpu", m.rd_AxialCapTens, 3, m.c_LabelForce);
    char moment_label[48];
    std::snprintf(moment_label, sizeof moment_label, "Nom. Moment Capacity, %s", m.c_MnPCIText);
    Write_Property_Line(moment_label, m.rd_MnPCI, 3, m.c_LabelMoment);
    WriteLine("");
    // The last but one line ends in a blank, as the note has always been printed.
    static constexpr const char* k_Note[] = {
        "Note:  The above value of nominal moment capacity is based on equations that",
        "assume a concrete compressive strength of 6,000 psi (41.4 MPa), a prestressing",
        "level after losses of 700 psi (4.83 MPa), and an axial thrust loading of zero.",
        "When different values for these factors are input, the estimated value of Mn",
        "may differ greatly from the capacity computed by Orvane and should be considered ",
        "only as an approximate check.",
    };
    for (const char* line : k_Note) WriteLine(line);
}

}  // namespace

// Also writes rd_SteelArea and c_MnPCIText; the report block only while b_PrestressReported
// is clear, which it then sets.
void Calculate_Strains_Due_To_Prestressing(int s) {
    AnalysisModel& m = g_Model;
    const double Ac = Slice_Sum(m.ConcreteSliceArea);
    const double As = Slice_Sum(m.RebarSliceArea);
    if (Ac <= 0.0) {
        Raise_Area_Error(14, "The computed area of concrete in the section is less than 0.0 = ", Ac);
        return;
    }
    if (As <= 0.0) {
        Raise_Area_Error(15, "The computed area of steel in the section is less than 0.0 = ", As);
        return;
    }
    const double Pi = m.InitialPrestressForce[s];
    const double Pe = (1.0 - m.PrestressLossFraction[s]) * Pi;
    const double Es = Strand_Modulus(s);
    const double Ec = m.rd_Ec;
    // US customary forces are pounds against moduli in ksi.
    const double scale = m.IUNITS == k_Units_US ? 1000.0 : 1.0;
    m.rd_PrestrainSteel = Pe / (-scale * Es * As);
    m.rd_PrestrainConcrete = Pe / (scale * Ac * Ec);
    m.rd_fpc = m.rd_PrestrainConcrete * Ec;
    const double fpu = Strand_Fpu(s);
    m.rd_SteelArea = As;
    m.rd_AxialCapComp = (k_Concrete_Block_Factor * m.rd_fc - k_PCI_Prestress_Factor * m.rd_fpc) * (Ac + As);
    m.rd_AxialCapTens = -As * fpu;

    m.rd_MnPCI = 0.0;
    m.c_MnPCIText[0] = '\0';
    for (const PCIMoment& row : k_PCI_Moments) {
        if (row.type != m.SectionType[s]) continue;
        m.rd_MnPCI = fpu * As * m.rd_Depth * row.c;
        std::snprintf(m.c_MnPCIText, sizeof m.c_MnPCIText, "%s", row.text);
    }

    if (m.b_PrestressReported != 0) return;
    m.b_PrestressReported = -1;
    Write_Prestress_Block({Pi, Pe, Ac, As, Es});
}
