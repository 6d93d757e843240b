// The values a run analyses where they are not the problem as read: derived once the input
// stage has converted the problem to the engine's units, into the model's "Derived from the
// problem" block, so that the problem itself stays as read for everything after.
#pragma once

// The analysed pile length (the input length; the length study sets its trial lengths later)
// and the analysed layer tops: layer 1 starts at the ground surface, every other layer at the
// bottom of the layer above it, whatever top the input gave.
void Derive_Run_Values();
