// The report header of a run: banner, files-used block and date-and-time block, and the
// heading of the section analysis.
#pragma once

#include <ctime>

#include "engine/product.h"

void Write_Banner();

// Files-used block to the report and the runtime message file, from the names of NAMES.DAT.
void Write_Files_Used();

// Date-and-time block of the report for the given local time.
void Write_Date_And_Time(const std::tm& now);

// Heading written to the report before section 1 of the section analysis.
void Write_Section_Analysis_Heading();
