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
