// A list with a font of its own (the track-set editor's Terminal) keeps its rows in aligned
// columns even where that face is missing, as under Wine: the system must pick another
// fixed-pitch face, not the dialog font.
#include <gtest/gtest.h>
#include <windows.h>

#include "ui/controls.h"
#include "win32/native_window.h"

using namespace gridmate;

TEST(NativeView, AListWithAFontOfItsOwnHasCharactersOfOneWidth) {
    ui::Window model{"Test"};
    auto& rows = model.add<ui::ListBox>("lstRows");
    rows.setGeometry({60, 60, 1800, 1500});
    rows.setFontName("Terminal");
    win32::NativeWindow view(model, {});
    HWND list = view.controlHandle(rows);
    HDC dc = GetDC(list);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
    SIZE narrow{}, wide{};
    GetTextExtentPoint32A(dc, "iiiiiiii", 8, &narrow);
    GetTextExtentPoint32A(dc, "WWWWWWWW", 8, &wide);
    ReleaseDC(list, dc);
    EXPECT_GT(narrow.cx, 0);
    EXPECT_EQ(narrow.cx, wide.cx);
}
