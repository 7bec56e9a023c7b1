#include "app/menu_commands.h"

#include "app/controller.h"
#include "app/dialogs.h"
#include "platform/system_library_win32.h"
#include "product.h"
#include "res/resource.h"
#include "rules/board.h"
#include "settings/options.h"
#include "view/geometry_win32.h"
#include "view/paint_win32.h"
#include "view/status_bar_win32.h"
#include "view/window_size.h"

int32_t checkedLevelItem = IDM_LEVEL_GOD;
int32_t checkedSpeedItem = IDM_SPEED_SLOW;
int32_t checkedSizeItem = IDM_SIZE_MEDIUM;
int32_t checkedColourItem = IDM_COLOR_BLACK;

const UINT kCheckFlag[2] = {MF_UNCHECKED, MF_CHECKED};

// Options read from a file are in range once loaded; the index is made
// safe all the same.
static UINT CheckFlag(int32_t option) { return kCheckFlag[option != 0 ? 1 : 0]; }

// Level and colour mean nothing between two people: grayed then.
static void EnableComputerItems(HMENU menu, bool on) {
    UINT state = on ? MF_ENABLED : MF_GRAYED;
    EnableMenuItem(menu, IDM_LEVEL_MAN, state);
    EnableMenuItem(menu, IDM_LEVEL_GOD, state);
    EnableMenuItem(menu, IDM_COLOR_BLACK, state);
    EnableMenuItem(menu, IDM_COLOR_WHITE, state);
}

void SetInitialMenuState(HWND window) {
    HMENU menu = GetMenu(window);
    EnableMenuItem(menu, IDM_UNDO, MF_GRAYED);
    EnableMenuItem(menu, IDM_REDO, MF_GRAYED);
    checkedLevelItem = IDM_LEVEL_MAN + options.level;
    CheckMenuItem(menu, checkedLevelItem, MF_CHECKED);
    checkedSpeedItem = IDM_SPEED_FAST + options.speed;
    CheckMenuItem(menu, checkedSpeedItem, MF_CHECKED);
    if (options.allowDoubleThree != 0) CheckMenuItem(menu, IDM_ENABLE_3X3, MF_CHECKED);
    if (options.continuousPlay != 0) CheckMenuItem(menu, IDM_CONTINUOUS_PLAY, MF_CHECKED);
    if (options.markPrevious != 0) CheckMenuItem(menu, IDM_MARK_PREVIOUS, MF_CHECKED);
    if (options.sound != 0) CheckMenuItem(menu, IDM_SOUND, MF_CHECKED);
    if (options.statusBar != 0) CheckMenuItem(menu, IDM_STATUS_BAR, MF_CHECKED);
    if (options.gameMode == kComputerVsPerson) CheckMenuItem(menu, IDM_COMPUTER_VS_PERSON, MF_CHECKED);
    EnableComputerItems(menu, options.gameMode == kComputerVsPerson);
    // The item names the human's colour, the other one than the computer's.
    checkedColourItem = IDM_COLOR_BLACK + 2 - options.computerColour;
    CheckMenuItem(menu, checkedColourItem, MF_CHECKED);
}

void SetSizeItems(HWND window) {
    HMENU menu = GetMenu(window);
    checkedSizeItem = IDM_SIZE_TINY + options.sizeIndex;
    CheckMenuItem(menu, checkedSizeItem, MF_CHECKED);
    // Sizes taller than the screen stay grayed for the whole run; Tiny is
    // the fallback and always offered.
    for (int32_t size = 1; size < kFreeSize; size++)
        if (!SizeFitsScreen(size)) EnableMenuItem(menu, IDM_SIZE_TINY + size, MF_GRAYED);
}

// A radio group's common steps; false when the chosen item already carries
// the check mark, and then nothing at all happens.
static bool MoveCheckMark(HWND window, int32_t& checkedItem, int32_t chosen) {
    if (chosen == checkedItem) return false;
    HMENU menu = GetMenu(window);
    CheckMenuItem(menu, checkedItem, MF_UNCHECKED);
    checkedItem = chosen;
    CheckMenuItem(menu, chosen, MF_CHECKED);
    return true;
}

// A toggle's common steps: the option flips and its item shows it.
static void Toggle(HWND window, int32_t& option, int32_t command) {
    option = (option + 1) % 2;
    CheckMenuItem(GetMenu(window), command, CheckFlag(option));
}

// A Free window has a sizing border and a maximize box; a fixed one has
// neither.
static void SetSizeable(HWND window, bool sizeable) {
    LONG style = GetWindowLongA(window, GWL_STYLE);
    if (sizeable)
        style |= WS_MAXIMIZEBOX | WS_THICKFRAME;
    else
        style &= ~(WS_MAXIMIZEBOX | WS_THICKFRAME);
    SetWindowLongA(window, GWL_STYLE, style);
    // The frame is measured again only when told so: without it a Free window made fixed keeps its sizing
    // border's room, and the board shows cut short.
    SetWindowPos(window, NULL, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// Resizes the window keeping its top-left corner; the WM_SIZE that follows
// lays out the board and the status bar.
static void ResizeWindow(HWND window, int32_t width, int32_t height) {
    RECT rect;
    GetWindowRect(window, &rect);
    MoveWindow(window, rect.left, rect.top, width, height, TRUE);
}

static void RectSize(HWND window, int32_t& width, int32_t& height) {
    RECT rect;
    GetWindowRect(window, &rect);
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
}

static void NewGameCommand(HWND window, int32_t) { RestartGame(window); }
static void UndoMenuCommand(HWND window, int32_t) { UndoCommand(window); }
static void RedoMenuCommand(HWND window, int32_t) { RedoCommand(window); }

static void ExitCommand(HWND window, int32_t) {
    // The window is destroyed by the default handling of WM_CLOSE, and
    // saves the options then, exactly as when the user closes it.
    SendMessageA(window, WM_CLOSE, 0, 0);
}

static void LevelCommand(HWND window, int32_t command) {
    // The computer's next move uses the new level.
    if (MoveCheckMark(window, checkedLevelItem, command)) options.level = command - IDM_LEVEL_MAN;
}

static void SpeedCommand(HWND window, int32_t command) {
    // Read when a timer is next started; a running one keeps its interval.
    if (MoveCheckMark(window, checkedSpeedItem, command)) options.speed = command - IDM_SPEED_FAST;
}

static void DoubleThreeCommand(HWND window, int32_t command) { Toggle(window, options.allowDoubleThree, command); }

static void FixedSizeCommand(HWND window, int32_t command) {
    if (!MoveCheckMark(window, checkedSizeItem, command)) return;
    if (IsFreeSize(options.sizeIndex)) SetSizeable(window, false);
    options.sizeIndex = command - IDM_SIZE_TINY;
    // No fit test: the sizes that do not fit were grayed at start.
    WindowSize size = FixedWindowSize(options.sizeIndex);
    ResizeWindow(window, size.width, size.height);
}

static void FreeSizeCommand(HWND window, int32_t command) {
    if (!MoveCheckMark(window, checkedSizeItem, command)) return;
    SetSizeable(window, true);
    options.sizeIndex = kFreeSize;
    // Two pixels more each way: the size change redraws the new frame.
    int32_t width = 0;
    int32_t height = 0;
    RectSize(window, width, height);
    ResizeWindow(window, width + 2, height + 2);
}

static void ContinuousPlayCommand(HWND window, int32_t command) { Toggle(window, options.continuousPlay, command); }

static void MarkPreviousCommand(HWND window, int32_t command) {
    Toggle(window, options.markPrevious, command);
    InvalidateMarker(window);  // drawn or erased at the next paint
}

static void SoundCommand(HWND window, int32_t command) { Toggle(window, options.sound, command); }

static void StatusBarCommand(HWND window, int32_t command) {
    Toggle(window, options.statusBar, command);
    // The window grows or shrinks by the bar's own height, so the board
    // keeps its size; the size change shows or hides the bar.
    int32_t width = 0;
    int32_t height = 0;
    RectSize(window, width, height);
    ResizeWindow(window, width, height + StatusBarHeight() * (2 * options.statusBar - 1));
}

static void GameModeCommand(HWND window, int32_t) {
    options.gameMode = options.gameMode == kComputerVsPerson ? kPersonVsPerson : kComputerVsPerson;
    HMENU menu = GetMenu(window);
    CheckMenuItem(menu, IDM_COMPUTER_VS_PERSON, CheckFlag(options.gameMode == kComputerVsPerson));
    EnableComputerItems(menu, options.gameMode == kComputerVsPerson);
    // A finished or blinking game stays on the board, and the status bar
    // keeps naming its mode; the next New Game uses the new one.
    if (IsSideToMove()) RestartGame(window);
}

static void ColourCommand(HWND window, int32_t command) {
    if (!MoveCheckMark(window, checkedColourItem, command)) return;
    // The human's choice: "&Black" makes the computer White (2).
    options.computerColour = IDM_COLOR_BLACK + 2 - command;
    if (IsSideToMove()) RestartGame(window);
}

static void HelpContentsCommand(HWND window, int32_t) {
    // The players' readme beside the exe, whatever the current folder, in
    // the viewer the system opens text files with; a missing file is the
    // shell's to report. Nothing waits for the viewer.
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    while (length > 0 && path[length - 1] != '\\') length--;
    if (length + lstrlenA(kPlayersReadmeFile) >= MAX_PATH) return;
    lstrcpyA(path + length, kPlayersReadmeFile);
    ShellExecuteAFunction open = SystemShellExecuteA();
    if (open != NULL) open(window, "open", path, NULL, NULL, SW_SHOWNORMAL);
}

static void AboutCommand(HWND window, int32_t) { ShowDialog(window, L"AboutBox"); }

typedef void (*CommandHandler)(HWND window, int32_t command);

struct MenuCommand {
    int32_t item;  // the IDM_ identifier WM_COMMAND carries
    CommandHandler run;
};

// The handler of each menu item; a radio group's items share theirs.
static const MenuCommand kMenuCommands[] = {
    {IDM_NEW_GAME, NewGameCommand},
    {IDM_UNDO, UndoMenuCommand},
    {IDM_REDO, RedoMenuCommand},
    {IDM_EXIT, ExitCommand},
    {IDM_LEVEL_MAN, LevelCommand},
    {IDM_LEVEL_GOD, LevelCommand},
    {IDM_SPEED_FAST, SpeedCommand},
    {IDM_SPEED_SLOW, SpeedCommand},
    {IDM_ENABLE_3X3, DoubleThreeCommand},
    {IDM_SIZE_TINY, FixedSizeCommand},
    {IDM_SIZE_SMALL, FixedSizeCommand},
    {IDM_SIZE_MEDIUM, FixedSizeCommand},
    {IDM_SIZE_LARGE, FixedSizeCommand},
    {IDM_SIZE_HUGE, FixedSizeCommand},
    {IDM_SIZE_FREE, FreeSizeCommand},
    {IDM_CONTINUOUS_PLAY, ContinuousPlayCommand},
    {IDM_MARK_PREVIOUS, MarkPreviousCommand},
    {IDM_SOUND, SoundCommand},
    {IDM_STATUS_BAR, StatusBarCommand},
    {IDM_COMPUTER_VS_PERSON, GameModeCommand},
    {IDM_COLOR_BLACK, ColourCommand},
    {IDM_COLOR_WHITE, ColourCommand},
    {IDM_HELP_CONTENTS, HelpContentsCommand},
    {IDM_ABOUT, AboutCommand},
};

// An identifier that names no item is ignored.
void RunMenuCommand(HWND window, int32_t command) {
    for (const MenuCommand& entry : kMenuCommands) {
        if (entry.item == command) {
            entry.run(window, command);
            return;
        }
    }
}
