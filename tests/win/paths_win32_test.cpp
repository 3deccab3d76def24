// Windows paths walked by character, and letters folded by the system's own tables.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/code_pages.h"
#include "platform/paths.h"
#include "platform/win32/code_page_win32.h"
#include "support/shift_jis.h"

using namespace gridmate::platform;

// In Shift-JIS "\x95\x5C" is one character whose second byte is "\".
TEST(Win32Paths, TheSecondByteOfACharacterIsNoSeparator) {
    gridmate::test::ShiftJis shiftJis;
    const std::string kanji = "\x95\x5C";
    EXPECT_EQ(joinPath("C:\\" + kanji, "app.ini"), "C:\\" + kanji + "\\app.ini");
    EXPECT_EQ(parentFolder("C:\\" + kanji + "\\" + kanji) + "|" + fileName("C:\\a\\" + kanji),
              "C:\\" + kanji + "|" + kanji);
    EXPECT_EQ(fileNameKey("\x83\x41Z"), "\x83\x41z");
}

// Under Windows-1252 (Wine's code page in a UTF-8 locale) the portable table is the system's.
TEST(Win32Paths, ThePortableLowerCaseTableIsTheSystems) {
    ASSERT_EQ(GetACP(), 1252u);
    Win32CodePage system;
    SingleByteCodePage ours;
    for (int b = 0; b < 256; ++b) EXPECT_EQ(system.lowerByte(b), ours.lowerByte(b)) << b;
}
