// SI section input is given in millimeters: dimensions, areas and moments of inertia become
// meters, square meters and meters to the fourth as they are read. Other unit systems keep the
// values as input.
#pragma once

double Input_Length(double value);    // mm to m in SI runs
double Input_Area(double value);      // mm2 to m2 in SI runs
double Input_Inertia(double value);   // mm4 to m4 in SI runs
