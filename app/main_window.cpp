#include "app/main_window.h"

#include <commctrl.h>

#include "app/controller.h"
#include "app/menu_commands.h"
#include "platform/system_library_win32.h"
#include "rules/board.h"
#include "settings/options.h"
#include "settings/settings_file.h"
#include "view/geometry_win32.h"
#include "view/paint_win32.h"
#include "view/status_bar_win32.h"
#include "view/status_text.h"
#include "view/window_size.h"

static const char* const kClassName = "Kivrano";

static void PaintWindow(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    PaintBoard(dc);
    PaintStones(dc);
    // The marker shows during play and on the first paint of a five, not
    // while it blinks or after.
    if (options.markPrevious != 0 && Phase <= kPhaseFiveMade) PaintMarker(dc);
    AfterPaint(window);
    EndPaint(window, &paint);
}

static void RunTimer(HWND window, WPARAM timer) {
    switch (LOWORD(timer)) {
    case IDT_COMPUTER_REPLY:
        ComputerReply(window);
        break;
    case IDT_WIN_HIGHLIGHT:
        WinHighlightTick(window);
        break;
    }
}

// Set once this run's options are saved: the end of the session and the
// window's destruction both save, and only the first one writes.
static bool optionsSaved = false;

static void SaveOptions(HWND window) {
    // A window whose start-up failed was never shown: nothing to save.
    if (statusBarWindow == NULL || optionsSaved) return;
    optionsSaved = true;
    RECT rect;
    GetWindowRect(window, &rect);
    // A Free window stores its width where a fixed one stores its size.
    int32_t sizeRecord = IsFreeSize(options.sizeIndex) ? rect.right - rect.left : options.sizeIndex;
    SaveSettings(rect.left, rect.top, sizeRecord, rect.bottom - rect.top);
}

static void SaveAndQuit(HWND window) {
    // A window whose start-up failed has no message loop to end.
    if (statusBarWindow == NULL) return;
    SaveOptions(window);
    statusBarWindow = NULL;  // it goes with its parent
    PostQuitMessage(0);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        SetInitialMenuState(window);
        return 0;
    case WM_DESTROY:
        SaveAndQuit(window);
        return 0;
    case WM_ENDSESSION:
        // Logging off or shutting down ends the process without WM_DESTROY.
        if (wParam) SaveOptions(window);
        return 0;
    case WM_MOVE:
        SnapToScreenEdges(window);
        return 0;
    case WM_SIZE:
        UpdateGeometry(window, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT:
        PaintWindow(window);
        return 0;
    case WM_COMMAND:
        RunMenuCommand(window, LOWORD(wParam));
        return 0;
    case WM_TIMER:
        RunTimer(window, wParam);
        return 0;
    case WM_LBUTTONDOWN:
        HandleBoardClick(window, LOWORD(lParam), HIWORD(lParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    // The whole board is redrawn scaled whenever the window's size changes.
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "Kivrano");
    windowClass.hIconSm = LoadIconA(instance, "Kivrano");
    windowClass.hCursor = LoadCursorA(NULL, IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)GetStockObject(GRAY_BRUSH);
    windowClass.lpszMenuName = "Kivrano";
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass) != 0;
}

HWND CreateMainWindow(HINSTANCE instance) {
    DWORD style = WS_OVERLAPPEDWINDOW;
    LoadSettings();
    StartGameInPlay();  // the first game's
    optionsSaved = false;
    WindowSize size;
    if (IsFreeSize(options.sizeIndex)) {
        // Free: the size record is the window's width.
        size = FreeStartSize(options.sizeIndex, options.windowHeight);
        options.sizeIndex = kFreeSize;
    } else {
        style &= ~WS_MAXIMIZEBOX;
        style &= ~WS_THICKFRAME;
        // Measured again once the status bar exists (SetStartSize).
        if (!SizeFitsScreen(options.sizeIndex)) options.sizeIndex = 0;
        size = FixedWindowSize(options.sizeIndex);
    }
    // A position stored for a monitor unplugged since, or with the caption
    // above the screen, would open the window where nobody can take hold of
    // it; a Free size larger than the screen would hide the status bar.
    ChooseStartPosition(options.windowX, options.windowY, size, style);
    if (IsFreeSize(options.sizeIndex)) size = FitFreeStartSize(size, options.windowX, options.windowY);
    return CreateWindowExA(0, kClassName, "Kivrano", style, options.windowX, options.windowY, size.width,
                           size.height, NULL, NULL, instance, NULL);
}

bool CreateStatusBar(HWND window, HINSTANCE instance) {
    // The control places itself along the bottom of its parent.
    statusBarWindow = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                      window, NULL, instance, NULL);
    return statusBarWindow != NULL;
}

// The status bar's height is known only once it exists, and with it the
// outer size of a fixed size and whether that fits the screen: a size that
// does not fit now opens Tiny. The window keeps its corner; a Free size
// stays as stored. The menu then shows the sizes. The WM_SIZE of the first
// ShowWindow lays out the board and the bar with the bar's own height.
static void SetStartSize(HWND window) {
    if (!IsFreeSize(options.sizeIndex)) {
        if (!SizeFitsScreen(options.sizeIndex)) options.sizeIndex = 0;
        WindowSize size = FixedWindowSize(options.sizeIndex);
        SetWindowPos(window, NULL, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetSizeItems(window);
}

// The program ends without a window then, so it says which step failed and
// the system's error code.
static HWND ReportStartFailure(const char* step, DWORD error) {
    char text[160];
    wsprintfA(text, "Kivrano cannot start: %s failed (error %lu).", step, error);
    MessageBoxA(NULL, text, "Kivrano", MB_OK | MB_ICONERROR);
    return NULL;
}

HWND StartProgram(HINSTANCE instance, int showCommand) {
    if (!RegisterMainWindowClass(instance))
        return ReportStartFailure("registering the window class", GetLastError());
    HWND window = CreateMainWindow(instance);
    if (window == NULL) return ReportStartFailure("creating the main window", GetLastError());
    RegisterBarClasses();
    if (!CreateStatusBar(window, instance)) {
        DWORD error = GetLastError();
        DestroyWindow(window);
        return ReportStartFailure("creating the status bar", error);
    }
    SetStartSize(window);
    // The first paint runs AfterPaint: a computer playing Black opens here.
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return window;
}

int RunMessageLoop() {
    MSG message = {};
    while (GetMessageA(&message, NULL, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return (int)message.wParam;
}
