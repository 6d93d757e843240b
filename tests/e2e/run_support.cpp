#include "e2e/run_support.h"

#include "engine/orvane.h"

void EngineRun::Write_Names() const {
    Write_File(dir.file("NAMES.DAT"),
               input() + "\n" + report() + "\n" + plot() + "\n" + messages() + "\n");
}

int EngineRun::Run(const std::string& input_text) const {
    Write_File(input(), input_text);
    Write_Names();
    return Call(6032);
}

int EngineRun::Call(int version) const {
    WorkingDirectory cwd(dir.path());
    return ORVGO(version);
}

const char* const k_Minimal_Problem =
    "ORVANE6\nOPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\n"
    "UseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC\n"
    "MaxIterations 100\nMaxDeflection 10.0\nTolerance 1.0E-5\nIncrements 40\n"
    "PrintSummaryOnly NO\nPrintIncrement 1\nPrintPYCurves NO\nComputeInteraction NO\n"
    "SECTIONS\n1\n1\n11\n10.0\n2\n29000000.0\n12.0\n12.0\n113.1\n113.1\n1017.9\n1017.9\n"
    "SOIL LAYERS\n1\n1 0.0 10.0\n110.0 500.0 0.02\n110.0 500.0 0.02\nEND\n";
