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
