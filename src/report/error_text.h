// The framed message of the error that ends a run, kept for callers as its lines are written to
// the report or the runtime message file. A heading line (asterisks and an error's name, not a
// warning's) starts the text anew, the lines written after it are added, and the raise closes
// it. The framed messages are written by their raisers all over the engine; keeping them where
// every line passes, rather than at each raiser, keeps the kept text equal to the printed one.
// Every writer of the report's lines and of the runtime message file's lines passes its text here.
#pragma once

#include <cstddef>

// Starts the kept text anew for a message that ends the run without a framed heading (the stop at
// a massive rock layer): the lines written after this call are the error's text.
void Open_Error_Text();

// Starts the kept text anew after the run's error status was set, for the one error that
// replaces an earlier one (an output that could not be written).
void Reopen_Error_Text();

// Forgets the kept text as at the start of a run (nothing kept, nothing open or closed).
void Reset_Error_Text();

// A whole line written to the report or the runtime message file.
void Keep_Written_Line(const char* text, std::size_t length);

// Part of the report's open line, and the end of that line (number_writer's fields).
void Keep_Written_Text(const char* text, std::size_t length);
void Keep_Line_End();

// Closes the kept text when the run's error status is set to `status`. A kept frame that names
// another error number than the status's is not this error's text and is dropped.
void Close_Error_Text(int status);
