// The least a Windows program does to show a window: register a class, create an
// empty window, show it and run the message loop. The baseline of gridmate.exe's start.
//
// Started with "controls", the window also holds as many native controls of each kind
// as Gridmate's main window (and the same manifest: common controls 6): the part of
// Gridmate's start that is the system's cost of its controls, with no game folder read.
#include <windows.h>

#include <commctrl.h>

#include <cstring>

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, w, l);
}

struct ControlKind {
    const char* className;
    DWORD style;
    int count;  // in Gridmate's main window
};

const ControlKind kMainWindowControls[] = {
    {"STATIC", SS_LEFT, 17},                       // labels
    {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, 2},       // text boxes
    {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 20},     // buttons
    {"BUTTON", BS_CHECKBOX | WS_TABSTOP, 12},       // check boxes
    {"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 3},     // season options
    {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 12},
    {"SCROLLBAR", SBS_HORZ | WS_TABSTOP, 3},
    {"STATIC", 0, 7},                              // frames and the picture
};

void addControls(HWND window, HINSTANCE instance) {
    INITCOMMONCONTROLSEX common{sizeof(common), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                             "MS Shell Dlg");
    int y = 0;
    for (const ControlKind& kind : kMainWindowControls) {
        for (int i = 0; i < kind.count; ++i, y += 4) {
            HWND control = CreateWindowExA(0, kind.className, "x", WS_CHILD | WS_VISIBLE | kind.style,
                                           (y / 280) * 90, y % 280, 85, 22, window, nullptr,
                                           instance, nullptr);
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    WNDCLASSA type{};
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.hCursor = LoadCursor(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = "BareWindow";
    if (!RegisterClassA(&type)) return 1;
    HWND window = CreateWindowA("BareWindow", "Bare Window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 300, 345, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    if (std::strstr(commandLine, "controls")) addControls(window, instance);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
