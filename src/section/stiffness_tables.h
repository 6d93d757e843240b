// Bending-stiffness tables of the sections without moment-curvature analysis: elastic,
// elastic-plastic and user-defined M-EI sections, with their plot records.
#pragma once

void FillElasticTables(int s);
void FillElasticPlasticTables(int s);
void FillUserEITables(int s);
