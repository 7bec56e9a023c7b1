// On a real main window with a real "msctls_statusbar32" child: the parts
// laid out at each size change, the texts chosen from the game's state and
// read back from the control, and nothing set while the option is off.
#include <windows.h>
#include <commctrl.h>

#include <string.h>

#include "rules/board.h"
#include "settings/options.h"
#include "view/geometry_win32.h"
#include "view/status_bar_win32.h"
#include "view/status_text.h"
#include "win32_check.h"

static LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) {
        UpdateGeometry(window, LOWORD(lParam), HIWORD(lParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The part's text, and its drawing style in *style.
static const char* PartText(int part, int* style = NULL) {
    static char text[2][128];
    text[part][0] = 0;
    LRESULT result = SendMessageA(statusBarWindow, SB_GETTEXTA, part, (LPARAM)text[part]);
    if (style) *style = HIWORD(result);
    return text[part];
}

static void CheckTexts(const char* part0, const char* part1, const char* when) {
    ok(strcmp(PartText(0), part0) == 0, "%s: expected part 0 \"%s\", got \"%s\"", when, part0, PartText(0));
    ok(strcmp(PartText(1), part1) == 0, "%s: expected part 1 \"%s\", got \"%s\"", when, part1, PartText(1));
}

// Resizes the window so that its client area is clientWidth wide; the
// size change lays the bar out.
static void SetClientWidth(HWND window, int clientWidth) {
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    int frame = (outer.right - outer.left) - client.right;
    MoveWindow(window, outer.left, outer.top, clientWidth + frame, outer.bottom - outer.top, TRUE);
    PumpMessages();
}

static void CheckParts(HWND window, int clientWidth) {
    SetClientWidth(window, clientWidth);
    RECT client;
    GetClientRect(window, &client);
    ok(client.right == clientWidth, "expected client width %d, got %ld", clientWidth, client.right);
    int edges[4] = {-7, -7, -7, -7};
    LRESULT count = SendMessageA(statusBarWindow, SB_GETPARTS, 4, (LPARAM)edges);
    ok(count == 2, "width %d: expected 2 parts, got %ld", clientWidth, (long)count);
    ok(edges[0] == clientWidth / 2 && edges[1] == clientWidth / 2 * 2,
       "width %d: expected part edges %d,%d, got %d,%d", clientWidth, clientWidth / 2, clientWidth / 2 * 2,
       edges[0], edges[1]);
    // The control sits along the bottom, as wide as the client area.
    RECT bar;
    GetWindowRect(statusBarWindow, &bar);
    MapWindowPoints(NULL, window, (POINT*)&bar, 2);
    ok(bar.left == 0 && bar.right == client.right && bar.bottom == client.bottom,
       "width %d: expected the bar at 0..%ld along bottom %ld, got %ld..%ld bottom %ld", clientWidth,
       client.right, client.bottom, bar.left, bar.right, bar.bottom);
}

int main() {
    InitCommonControls();
    options.statusBar = 1;
    options.gameMode = 1;
    options.computerColour = 2;
    Phase = 1;

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.lpszClassName = "StatusBarTest";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "StatusBarTest", "test", WS_OVERLAPPEDWINDOW, 100, 100, 354, 412, NULL,
                                  NULL, GetModuleHandleA(NULL), NULL);
    // Nothing to do before the bar exists, and nothing breaks.
    LayoutStatusBar(window);
    SetStatusText(0, "early");

    statusBarWindow = CreateWindowExA(0, "msctls_statusbar32", "", 0x50000100, 0, 0, 0, 0, window, NULL,
                                      GetModuleHandleA(NULL), NULL);
    ok(statusBarWindow != NULL, "expected a status bar, got %p", (void*)statusBarWindow);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    PumpMessages();

    // Computer White, Black to move: the human's turn.
    CheckParts(window, 464);
    int style = -1;
    PartText(0, &style);
    ok(style == 0, "expected the default part style 0, got %d", style);
    CheckTexts("Your turn", "Computer vs Person", "first layout, computer White");
    CheckParts(window, 465);

    // A new game with the computer Black, laid out again.
    options.computerColour = 1;
    SetClientWidth(window, 464);
    CheckTexts("Computer's turn", "Computer vs Person", "computer Black");

    // Two people, White to move.
    options.gameMode = 2;
    Phase = 2;
    SetClientWidth(window, 470);
    CheckTexts("White's turn", "Person vs Person", "Person vs Person, White to move");

    // During and after the blinking part 0 keeps the result; part 1 follows the mode.
    winnerColour = White;
    Phase = 4;
    SetStatusText(0, ResultText());
    CheckTexts("White win !", "Person vs Person", "White has won");
    const int blinking[] = {5, 6, 9, 10};
    for (int phase : blinking) {
        Phase = phase;
        options.gameMode = phase % 2 + 1;
        SetClientWidth(window, 464 + phase);
        CheckTexts("White win !", ModeText(), "a layout during the blinking");
    }

    // With the option off nothing is set, and the bar is hidden with its texts.
    options.statusBar = 0;
    SetClientWidth(window, 464);
    ok(!IsWindowVisible(statusBarWindow), "expected the bar hidden with the option off");
    SetStatusText(0, "");
    SetStatusText(1, "changed");
    Phase = 1;
    LayoutStatusBar(window);
    CheckTexts("White win !", ModeText(), "the option off");

    // Back on: shown, and a game in progress gets its turn text again.
    options.statusBar = 1;
    options.gameMode = 2;
    SetClientWidth(window, 470);
    ok(IsWindowVisible(statusBarWindow) != 0, "expected the bar shown with the option on");
    CheckTexts("Black's turn", "Person vs Person", "the option on again");

    // Only parts 0 and 1 exist.
    SetStatusText(2, "third");
    SetStatusText(-1, "none");
    SetStatusText(256, "style");
    PartText(0, &style);
    CheckTexts("Black's turn", "Person vs Person", "other part numbers");
    ok(style == 0, "expected part 0's style still 0, got %d", style);

    // A bar that is gone is never addressed.
    HWND bar = statusBarWindow;
    statusBarWindow = NULL;
    SetStatusText(0, "gone");
    SetClientWidth(window, 500);
    statusBarWindow = bar;
    CheckTexts("Black's turn", "Person vs Person", "while statusBarWindow is NULL");

    DestroyWindow(window);
    statusBarWindow = NULL;
    return CheckSummary("status_bar");
}
