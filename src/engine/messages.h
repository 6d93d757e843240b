// Whole lines to the run's output report, runtime message file and standard error, and the
// framed error messages every subsystem writes. A leaf of the engine: any folder may include it;
// it needs only the model's file handles, which engine/run_files opens and closes.
#pragma once

#include <initializer_list>

// Whole lines: to the report, to the runtime message file. Before the report or message file is
// open (and after it is closed) a report line is dropped and a message line goes to standard
// error.
void Write_Report_Line(const char* text);
void Write_Message_Line(const char* text);
void Write_Stderr_Line(const char* text);

// Several whole lines, in order, to the report or to the runtime message file.
void Write_Report_Lines(std::initializer_list<const char*> lines);
void Write_Message_Lines(std::initializer_list<const char*> lines);
