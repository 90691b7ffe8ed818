#include "CodePage.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(ConvertCodePage, ShiftJisToUtf8) {
    EXPECT_EQ(orlena::ConvertCodePage(932, CP_UTF8, "\x93\x8C\x8B\x9E"), "\xE6\x9D\xB1\xE4\xBA\xAC");
    EXPECT_EQ(orlena::ConvertCodePage(932, CP_UTF8, "abc"), "abc");
    EXPECT_EQ(orlena::ConvertCodePage(932, CP_UTF8, ""), "");
}

TEST(ConvertCodePage, Utf8ToShiftJis) {
    EXPECT_EQ(orlena::ConvertCodePage(CP_UTF8, 932, "\xE6\x9D\xB1\xE4\xBA\xAC"), "\x93\x8C\x8B\x9E");
}

TEST(ConvertCodePage, UnknownCodePageGivesEmpty) {
    EXPECT_EQ(orlena::ConvertCodePage(12345, CP_UTF8, "abc"), "");
    EXPECT_EQ(orlena::ConvertCodePage(932, 12345, "abc"), "");
}

}  // namespace
