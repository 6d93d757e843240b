// The section step of a run: AnalyzeSection sets up a pile section, writes its report block of
// dimensions and properties with its capacities, and either runs the moment-curvature analysis
// or fills the bending-stiffness tables from elastic, elastic-plastic or user-defined input.
// Also the concrete, bar, strand and run-message blocks and the per-thrust moment-curvature
// tables, written from what the computing operations left in the model.
#pragma once

// The whole section step of section s. Can raise what the operations it calls raise.
void AnalyzeSection(int s);

// The moment-curvature step of the sliced section s, thrust by thrust computed and then
// written: concrete block, thrust list, per-thrust tables, records, files and the capacity
// summary. Can raise Runtime Errors 14-16, 24-27 and 40.
void Analyze_Moment_Curvature(int s);

// Blocks of the section report.
void WriteConcreteProperties();
void WriteBarTable(int s);
void WriteStrandDetails(int s);
void WriteRunMessageDefinitions();

// The moment-curvature table of thrust a: heading (after the curve) and one row per point.
void WriteCurveTable(int a);
