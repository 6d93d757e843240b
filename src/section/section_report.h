// The section step of a run: AnalyzeSection sets up a pile section, writes its report block of
// dimensions and properties, and either runs the moment-curvature analysis or fills the bending-
// stiffness tables from elastic, elastic-plastic or user-defined input. Also the concrete,
// bar, strand and run-message blocks and the per-thrust moment-curvature tables.
#pragma once

// The whole section step of section s. Can raise what the operations it calls raise.
void AnalyzeSection(int s);

// Blocks of the section report.
void WriteConcreteProperties();
void WriteBarTable(int s);
void WriteStrandDetails(int s);
void WriteRunMessageDefinitions();

// The moment-curvature table of thrust a: heading (after the curve) and one row per point.
void WriteCurveTable(int a);
