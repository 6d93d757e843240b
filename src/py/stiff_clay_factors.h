// The empirical factors As (static) and Ac (cyclic) of the stiff clay with free water
// criterion, functions of depth over pile width; also used by the equivalent depth.
#pragma once

double StiffClayAs(double r);
double StiffClayAc(double r);
