#include "e2e/run_support.h"

#include <cstdio>
#include <cstdlib>

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

std::vector<std::vector<NodeRecord>> Node_Records(const std::vector<std::string>& plot) {
    std::vector<std::vector<NodeRecord>> cases;
    for (const std::string& l : plot) {
        const std::size_t at = l.find("Line 10(");
        if (at == std::string::npos) continue;
        if (std::atoi(l.c_str() + at + 8) == 1) cases.emplace_back();
        if (cases.empty()) continue;
        double v[5];
        for (int i = 0; i < 5; ++i) v[i] = std::strtod(l.substr(15 * static_cast<std::size_t>(i), 15).c_str(), nullptr);
        cases.back().push_back({v[0], v[1], v[2], v[3], v[4]});
    }
    return cases;
}

std::vector<int> Iterations_Per_Case(const std::vector<std::string>& messages, int cases) {
    std::vector<int> n(static_cast<std::size_t>(cases) + 1, 0);
    for (const std::string& l : messages) {
        int lc = 0;
        if (std::sscanf(l.c_str(), "Analysis Case %d,", &lc) == 1 && lc >= 1 && lc <= cases) {
            ++n[static_cast<std::size_t>(lc)];
        }
    }
    return n;
}
