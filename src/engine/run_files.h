// The run's files: NAMES.DAT and M_vs_EI_report_names.txt in the working directory, and the
// input data file, output report file, plot output file and runtime message file they name.
// Only this file opens and closes them; every other writer goes through the handles in the
// model or through the line writers of engine/messages. Only the run sequence includes it.
#pragma once

#include <cstddef>
#include <cstdio>

#include "model/model.h"

// Reads the four names of NAMES.DAT into the model. Raises Runtime Errors 2-6 and 17 with their
// messages on standard error.
void Read_Names_File();

// Opens the input data file, then creates or replaces the report, plot and runtime message
// files, in this order. Raises Runtime Error 7 (file cannot be opened or created).
void Open_Run_Files();

// Opens the input data file at path alone, for a check of the input that writes no file. Raises
// Runtime Error 7 when it cannot be opened.
void Open_Input_File(const char* path);

// Opens the problem given as input text (length bytes) as the input data file, named name in the
// results, and the report, plot and runtime message files on the null device, for a run in
// memory that writes no file. Raises Runtime Error 7 when they cannot be opened.
void Open_Text_Input(const char* text, std::size_t length, const char* name);

// Reads M_vs_EI_report_names.txt into MvsEIFileNames (at most 100 names kept) and deletes it.
// A missing file is an empty list.
void Read_MvsEI_File_Names();

// Closes the input, report, plot and runtime message files, in this order.
void Close_Run_Files();

// Size of the input data file in bytes, or -1 when it cannot be determined.
long long Input_File_Size();

// The parts of a file name, each without trailing blanks: drive (at most 3 characters; empty on
// systems without drive letters), directory (with its trailing separator), base name, and
// extension (with its leading dot, at most 5 characters).
struct FileNameParts {
    char drive[4];
    char directory[k_Name_Length + 1];
    char base[k_Name_Length + 1];
    char extension[6];
};
void Split_File_Name(const char* name, FileNameParts& parts);

// Copies a fixed 256-character field from line (cut at 256 characters, line end and CR removed,
// trailing blanks dropped) into out.
void Copy_Name_Field(const char* line, NameText& out);
