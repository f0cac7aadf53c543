#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "version_info.h"

namespace {

// A file next to the test program (the test DLLs are built there).
std::string BesideThisProgram(const std::string& name) {
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

std::string CompanyWordOf(const std::string& file) {
    const CVersionInfo version(file.c_str());
    CString word = "stale";
    EXPECT_EQ(&version.GetCompanyWord(word), &word);
    return word.GetString();
}

TEST(VersionInfo, ReadsTheProgramsOwnVersionResource) {
    const CVersionInfo version;
    EXPECT_STREQ(version.GetString("ProductName"), "Velmar");
    EXPECT_STREQ(version.GetString("ProductVersion"), "1.7");
    EXPECT_STREQ(version.GetString("CompanyName"), "Tovera Software Works");
    CString word;
    EXPECT_STREQ(version.GetCompanyWord(word), "Tovera");

    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(version.QueryValue("\\"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010007u);

    EXPECT_EQ(version.GetString("NoSuchValue"), nullptr);
    EXPECT_EQ(version.GetString(nullptr), nullptr);
    EXPECT_EQ(version.QueryValue(nullptr), nullptr);
    const std::string longName(300, 'n');
    EXPECT_EQ(version.GetString(longName.c_str()), nullptr)
        << "a name too long for the path is not looked up cut short";
}

TEST(VersionInfo, CompanyWordIsTheCompanyNameUpToItsFirstBlank) {
    EXPECT_EQ(CompanyWordOf(BesideThisProgram("one_word.dll")), "Tovera");
    EXPECT_EQ(CompanyWordOf(BesideThisProgram("several_blanks.dll")), "Tovera");
    EXPECT_EQ(CompanyWordOf(BesideThisProgram("leading_blank.dll")), "");

    const CVersionInfo named(BesideThisProgram("one_word.dll").c_str());
    EXPECT_STREQ(named.GetString("ProductName"), "Company test") << "the named file is read";
}

TEST(VersionInfo, FileWithoutVersionDataRaisesTheResourceException) {
    const std::string text = BesideThisProgram("not_a_program.txt");
    std::ofstream(text) << "no version data in here\n";
    for (const std::string& file :
         {BesideThisProgram("no_version.dll"), text, BesideThisProgram("missing.dll")})
        EXPECT_THROW(CVersionInfo(file.c_str()), CResourceException) << file;
    ::DeleteFileA(text.c_str());
}

}  // namespace
