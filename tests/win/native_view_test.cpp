// A list's own font (the track-set editor's Terminal) keeps its rows in columns where that
// face is missing, as under Wine: the system must pick another fixed-pitch face.
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
