#include "app/dialogs.h"

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;  // the platform puts the focus on the default button
    case WM_COMMAND:
        // OK, Enter, Esc, and the About box's close box.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

void ShowDialog(HWND window, const wchar_t* name) {
    // The Unicode call: the ANSI one would turn the warning's Korean text
    // into question marks on every system whose code page is not Korean.
    HINSTANCE program = (HINSTANCE)GetWindowLongPtrW(window, GWLP_HINSTANCE);
    DialogBoxParamW(program, name, window, DialogProc, 0);
}
