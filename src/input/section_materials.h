// The material sub-sections of a pile section: concrete, reinforcing bars, prestressing strands,
// and the strand table that gives a strand its diameter, area and strength.
#pragma once

// Concrete of section s: f'c, aggregate size, tensile strength option, stress-strain curve
// option. Raises Input Data Error No. 95 for an unrecognized option line, a curve point out of
// sequence or more than 100 curve points, and No. 99.
void ReadConcrete(int s);

// Bars of section s: "No rebar", or a circle (placed at once) or a list of bars. Raises Input Data
// Error No. 95 for an unrecognized option line, more than 300 bars or a group of more than 3
// bars, and No. 99.
void ReadRebar(int s);

// Strands of section s, positioned by pattern (placed at once) or one by one. Raises Input Data
// Error No. 95 for an unrecognized option line, more than 300 strands, a pattern code outside
// 0-2 or a strand out of order, and No. 99.
void ReadStrands(int s);

// Fills BarDiameter and BarArea of strand j of section s from the strand table by type and size,
// the section's StrandFpu and, for bar types 3-5, its ReinforcementModulus. SI runs get the
// diameter and area in meters. A size outside the type's list leaves diameter and area (and for
// type 5 fpu) unchanged; a type outside 0-5 sets nothing.
void StrandProperties(int s, int j, int type, int size);
