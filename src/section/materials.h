// Material stress-strain laws of the section analysis and the force integration over the
// slices: outer and core concrete, reinforcing bars, the six strand laws, casing, pipe and core
// steel. Compression is positive. The laws are pure functions of a strain; the operations
// around them read the section's constants and slices from the model and store stresses,
// forces and the cracked and yielded flags.
#pragma once

constexpr double k_Ksi_To_KPa = 6894.75732421875;          // kPa per ksi (s)
constexpr double k_Crush_Strain = 0.003800000064074993;    // 0.0038 (s)

// Stress of the outer concrete in compression (eps > 0): the parabola to eps0, then the straight
// line from f'c down by `drop` (0.15 f'c) over `descent` (0.0038 - eps0), and 0.001 once crushed
// beyond 0.0038.
double Outer_Concrete_Stress(double eps, double fc, double eps0, double drop, double descent);

// Stress of the concrete filling a core in compression (eps > 0): the parabola throughout, never
// below zero, and 0.001 once crushed beyond 0.0038.
double Core_Concrete_Stress(double eps, double fc, double eps0);

// Modulus of rupture (negative, ksi) of concrete of strength fc (ksi): 0.0075 sqrt(1000 f'c)
// for reinforced concrete, 0.004 sqrt(1000 f'c) when the reinforcement is prestressing steel.
double Modulus_Of_Rupture_Ksi(double fc, bool prestressed);

// Stress on the mirrored parabola for a tensile strain (eps <= 0), before the cracking test.
double Concrete_Tension_Stress(double eps, double fc, double eps0);

// Elastic-perfectly plastic steel: E eps limited to +-Fy; limited tells whether it was.
double Elastic_Plastic_Stress(double eps, double E, double Fy, bool& limited);

// Stress (ksi) of strand law 4..9 at strain eps, odd-symmetric; fpy is the yield stress of the
// deformed bars of law 9 (ksi).
double Strand_Stress_Ksi(int law, double eps, double fpy);

// Reinforcement law of section s: 2 for reinforcing bars, 4..9 from the strand type of the
// prestressed types.
int Reinforcement_Law_Of(int s);

// Strand modulus of section s in the section's stress unit. The strand input has no modulus:
// the strand bar types 3-5 store 29000 ksi (kPa in SI runs) already in section units, the
// strand types 0-2 store nothing, and a value there can only be a bar modulus as input (psi |
// kPa). Where none is positive the seven-wire strand's 28500 ksi stands in, so that the
// prestrain stays finite.
double Strand_Modulus(int s);

// Yield stress (ksi) of the deformed strand bars by their grade (size) code.
double Deformed_Bar_Fpy(int grade);

// Material constants of section s from its input: f'c, bar, casing and core steel (psi become
// ksi in US customary runs), the reinforcement law and the concrete models; then
// SetConcreteConstants. Clears the prestrains.
void Set_Material_Constants(int s);

// rd_Ec, rd_ft, rd_Eps0, rd_EpsT and the descending-line values from rd_fc (SI: through ksi).
void SetConcreteConstants();

// The components a section model is made of, in the order their laws are evaluated (the core
// concrete shares the outer concrete's cracked flag, so it follows it).
struct SectionComponents {
    bool concrete;
    bool casing;          // casing or pipe steel
    bool bars;            // reinforcing bars or strands
    bool core_steel;      // core pipe steel (or a void)
    bool core_concrete;   // concrete filling a core
};
SectionComponents Components_Of(int model);

// The component forces at neutral-axis depth NA and the current curvature; each stores its
// slice stresses and returns its force. Compute_Axial_Thrust_Force sets the slice strains,
// calls the components of the section model in their order and returns rd_TotalAxialForce.
double Compute_Concrete_Force();
double Compute_Rebar_Force();
double Compute_Casing_Force();
double Compute_Core_Force();
double Compute_Concrete_Force_Inside_Core();
double Compute_Axial_Thrust_Force(double NA);
