#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "velmar_version.h"
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
    EXPECT_STREQ(version.GetString("ProductVersion"), VELMAR_VERSION_TEXT);
    EXPECT_STREQ(version.GetString("CompanyName"), "Tovera Software Works");
    CString word;
    EXPECT_STREQ(version.GetCompanyWord(word), "Tovera");

    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(version.QueryValue("\\"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwProductVersionMS, static_cast<DWORD>(VELMAR_VERSION_NUMBER));

    EXPECT_EQ(version.GetString("NoSuchValue"), nullptr);
    EXPECT_EQ(version.GetString(nullptr), nullptr);
    EXPECT_EQ(version.QueryValue(nullptr), nullptr);
    const std::string longName(300, 'n');
    EXPECT_EQ(version.GetString(longName.c_str()), nullptr)
        << "a name too long for the path is not looked up cut short";
}

TEST(VersionInfo, EveryStringHandedOutStaysPutAsMoreAreAskedFor) {
    const CVersionInfo version;
    const char* const names[] = {"ProductName",  "ProductVersion",   "CompanyName",
                                 "FileVersion",  "FileDescription",  "LegalCopyright",
                                 "InternalName", "OriginalFilename", "NoSuchValue"};
    std::vector<LPCSTR> first;
    std::vector<std::string> texts;
    for (const char* name : names) {
        first.push_back(version.GetString(name));
        texts.push_back(first.back() ? first.back() : "(none)");
    }
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(version.GetString(names[i]), first[i]) << names[i] << ": the same pointer";
        EXPECT_EQ(first[i] ? first[i] : "(none)", texts[i]) << names[i] << ": the same text";
    }
    EXPECT_EQ(first.back(), nullptr);
}

TEST(VersionInfo, CompanyWordIsTheCompanyNameUpToItsFirstBlank) {
    EXPECT_EQ(CompanyWordOf(BesideThisProgram("one_word.dll")), "Tovera");
    EXPECT_EQ(CompanyWordOf(BesideThisProgram("several_blanks.dll")), "Tovera");
    EXPECT_EQ(CompanyWordOf(BesideThisProgram("leading_blank.dll")), "");

    const CVersionInfo named(BesideThisProgram("one_word.dll").c_str());
    EXPECT_STREQ(named.GetString("ProductName"), "Company test") << "the named file is read";
}

// A text in a script the code page lacks keeps every character on its way to a window.
TEST(VersionInfo, TextsComeAsTheResourceHoldsThemInUtf16) {
    const CVersionInfo version(BesideThisProgram("wide_text.dll").c_str());
    EXPECT_STREQ(version.GetStringW("CompanyName"), L"\x682A\x5F0F\x4F1A\x793E Tovera");
    EXPECT_STREQ(version.GetStringW("ProductName"), L"Company test");
    EXPECT_STREQ(version.GetStringW("NoSuchValue"), L"");
}

// Sound data is told by the system's answer and the block's own length, never by its first
// byte, which is the low byte of that length.
TEST(VersionInfo, BlockOfExactly1024BytesIsRead) {
    const std::string file = BesideThisProgram("version_1024.dll");
    std::vector<BYTE> raw(::GetFileVersionInfoSizeA(file.c_str(), nullptr));
    ASSERT_FALSE(raw.empty());
    ASSERT_TRUE(::GetFileVersionInfoA(file.c_str(), 0, static_cast<DWORD>(raw.size()), raw.data()));
    ASSERT_EQ(raw[0] | raw[1] << 8, 1024) << "the test resource is no longer 1,024 bytes";

    const CVersionInfo version(file.c_str());
    EXPECT_STREQ(version.GetString("ProductName"), "Exactly 1024");
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(version.QueryValue("\\"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00020000u);
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
