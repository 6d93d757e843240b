#include "e2e/run_support.h"

#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

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

std::string Pipe_Problem_Text(const PipeProblem& p) {
    const bool print = p.py_depths[0] != '\0';
    std::string s = std::string("ORVANE6\nTITLE\n") + p.title + "\n\n\n\n\nOPTIONS\n";
    s += p.general_units ? "Units GENERAL\n" : "Units SI\n";
    s += "UseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\n"
         "UsePYModifiers NO\nComputeEIOnly NO\n";
    s += std::string(p.loading) + "\n";
    s += "MaxIterations " + std::to_string(p.max_iterations) + "\n";
    s += std::string("MaxDeflection 2.0\nTolerance ") + p.tolerance + "\n";
    s += "Increments 250\nPrintSummaryOnly NO\nPrintIncrement 25\n";
    s += print ? "PrintPYCurves YES\n" : "PrintPYCurves NO\n";
    s += "ComputeInteraction NO\nSECTIONS\n1\n1\n11\n25.0\n2\n2.0E+8\n";
    s += p.general_units ? "0.914\n0.914\n0.0698\n0.0698\n6.942E-3\n6.942E-3\n"
                         : "914.0\n914.0\n69810.0\n69810.0\n6.942E+9\n6.942E+9\n";
    s += std::string("SOIL LAYERS\n") + p.layers;
    s += "LOADING\n" + std::to_string(p.cases) + "\n";
    char line[128];
    for (int i = 0; i < p.cases; ++i) {
        std::snprintf(line, sizeof line, "%d 1 %.1f 0.0 0.0 1\n", i + 1, p.shears[i]);
        s += line;
    }
    s += "0\n";
    if (print) s += std::string("DEPTHS OF PRINTED P-Y CURVES\n") + p.py_depths;
    return s + "END\n";
}

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

void Expect_Softening_Balanced_Cases(const std::vector<std::vector<NodeRecord>>& cases,
                                     const double* shears, int n, std::size_t node_count,
                                     double length) {
    ASSERT_EQ(cases.size(), static_cast<std::size_t>(n));
    double previous_flexibility = 0.0;
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(shears[i]);
        const std::vector<NodeRecord>& nodes = cases[static_cast<std::size_t>(i)];
        ASSERT_EQ(nodes.size(), node_count);
        const double H = shears[i];
        const double flexibility = nodes[0].y / H;
        EXPECT_GT(flexibility, 1.02 * previous_flexibility);
        previous_flexibility = flexibility;
        // The trapezoidal integrals of p and of p x over the pile balance the head shear and
        // the zero head moment. The plot values carry 8 digits; the integrals of a few hundred
        // of them are good to about 1e-6 of H and of H times the length.
        const double h = nodes[1].x - nodes[0].x;
        double force = 0.0;
        double moment = 0.0;
        for (std::size_t k = 0; k < nodes.size(); ++k) {
            const double w = (k == 0 || k + 1 == nodes.size()) ? h / 2.0 : h;
            force += nodes[k].p * w;
            moment += nodes[k].p * nodes[k].x * w;
        }
        EXPECT_NEAR(force, -H, 1e-6 * H);
        EXPECT_NEAR(moment, 0.0, 1e-6 * H * length);
        EXPECT_NEAR(nodes[0].V, H, 1e-6 * H);
        EXPECT_NEAR(nodes.back().V, 0.0, 1e-6 * H);
    }
}
