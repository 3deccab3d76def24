// A list's own font (the track-set editor's Terminal) keeps its rows in columns where that
// face is missing, as under Wine: the system must pick another fixed-pitch face. And the
// fonts Wine draws the window with.
#include <gtest/gtest.h>
#include <windows.h>

#include "ui/controls.h"
#include "win32/native_window.h"

TEST(NativeView, AListWithAFontOfItsOwnHasCharactersOfOneWidth) {
    gridmate::ui::Window model{"Test"};
    auto& rows = model.add<gridmate::ui::ListBox>("lstRows");
    rows.setFontName("Terminal");
    gridmate::win32::NativeWindow view(model, {});
    HDC dc = GetDC(nullptr);
    SelectObject(dc, HFONT(SendMessageA(view.controlHandle(rows), WM_GETFONT, 0, 0)));
    SIZE narrow{}, wide{};
    GetTextExtentPoint32A(dc, "iiii", 4, &narrow);
    GetTextExtentPoint32A(dc, "WWWW", 4, &wide);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(narrow.cx, wide.cx);
}

int CALLBACK countFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    return ++*reinterpret_cast<int*>(found);
}

// Wine draws a window's caption buttons as glyphs of Marlett, which the prefix is given:
// without it the pictures show the letters "0 1 r".
TEST(NativeView, TheCaptionButtonsHaveTheirGlyphFont) {
    LOGFONTA wanted{};
    lstrcpyA(wanted.lfFaceName, "Marlett");
    wanted.lfCharSet = DEFAULT_CHARSET;
    int found = 0;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExA(dc, &wanted, countFace, LPARAM(&found), 0);
    ReleaseDC(nullptr, dc);
    EXPECT_GT(found, 0);
}
