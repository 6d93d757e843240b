// Splitting of file names for the files-used block, and the name fields of NAMES.DAT.
#include <gtest/gtest.h>

#include "engine/run_files.h"

TEST(SplitFileName, DirectoryBaseAndExtension) {
    struct Case { const char* name; const char* dir; const char* base; const char* ext; };
    const Case cases[] = {
        {"/home/eng/piles/pier3.lp", "/home/eng/piles/", "pier3", ".lp"},
        {"pier3.lp", "", "pier3", ".lp"},
        {"/data/run.v2/pier3", "/data/run.v2/", "pier3", ""},
        {"/data/pier3.report.txt", "/data/", "pier3.report", ".txt"},
        {"/data/pier3.verylong", "/data/", "pier3", ".very"},   // extension holds at most 5
        {"/data/.hidden", "/data/", ".hidden", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FileNameParts parts;
        Split_File_Name(c.name, parts);
        EXPECT_STREQ(parts.drive, "");
        EXPECT_STREQ(parts.directory, c.dir);
        EXPECT_STREQ(parts.base, c.base);
        EXPECT_STREQ(parts.extension, c.ext);
    }
}

TEST(CopyNameField, CutAt256ColumnsWithoutTrailingBlanksOrCarriageReturn) {
    NameText out;
    Copy_Name_Field("/tmp/a b.lp   \r", out);
    EXPECT_STREQ(out.data(), "/tmp/a b.lp");
    const std::string long_name(300, 'x');
    Copy_Name_Field(long_name.c_str(), out);
    EXPECT_EQ(std::string(out.data()).size(), 256u);
}
