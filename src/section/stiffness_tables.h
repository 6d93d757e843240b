// Bending-stiffness tables of the sections without moment-curvature analysis: elastic,
// elastic-plastic and user-defined M-EI sections, with their plot records.
#pragma once

void FillElasticTables(int s);
void FillElasticPlasticTables(int s);
void FillUserEITables(int s);

// The refusals of the table of section s (types 11 to 13) that its filling makes first, without
// filling: a bending stiffness or plastic moment that is not positive, a user table without
// thrusts or points. Raises Input Data Error No. 85 or 86 as the filling does.
void Check_Stiffness_Input(int s);
