// The real game started from stored options and exited.
// (Refused start-up steps are checked in start_exit_safety_test.)
#include "app/win_main.cpp"

#include "game_window.h"
#include "metrics_profile.h"
#include "settings/settings_bytes.h"

#include <vector>

// The window's outer sizes on the rig's metrics; a size fits a screen 2 pixels taller than it with the bar.
static const MetricsProfile& profile = RigProfile();
static bool Fits(int size) { return profile.outerHeight[size] + 2 <= GetSystemMetrics(SM_CYSCREEN); }

// Writes the settings file's 55 bytes.
static void WriteSettings(const BYTE bytes[kSettingsFileSize]) {
    DWORD done = 0;
    HANDLE file = CreateFileA(kSettingsFileName, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    WriteFile(file, bytes, kSettingsFileSize, &done, NULL);
    CloseHandle(file);
}

// The default options with a stored window: its corner, the size record and the height.
static constexpr Options DefaultsWith(int32_t x, int32_t y, int32_t sizeRecord, int32_t height) {
    Options o = kDefaultOptions;
    o.windowX = x;
    o.windowY = y;
    o.sizeIndex = sizeRecord;
    o.windowHeight = height;
    return o;
}

// Stored files (none, or valid ones; a wrong header is the settings file test's) and what they start: the
// menu items checked and grayed besides the sizes (those follow the screen), the status bar's two texts.
static const struct {
    const char* what;
    bool stored;
    bool placedByPlatform;  // the stored position leaves the caption bar out of reach
    Options options;
    std::vector<int> checked, grayed;
    const char *turnText, *modeText;  // NULL: not looked at
} kStarts[] = {
    {"no settings file", false, true, kDefaultOptions,
     {IDM_LEVEL_GOD, IDM_SPEED_SLOW, IDM_MARK_PREVIOUS, IDM_SOUND, IDM_STATUS_BAR, IDM_COMPUTER_VS_PERSON,
      IDM_COLOR_BLACK},
     {IDM_UNDO, IDM_REDO}, "Your turn", "Computer vs Person"},
    {"gameMode 2, Huge at 5000,5000", true, true, {.level = 1, .computerColour = 2,
     .gameMode = kPersonVsPerson, .speed = 1, .allowDoubleThree = 0, .continuousPlay = 0, .markPrevious = 1,
     .sound = 1, .statusBar = 1, .windowX = 5000, .windowY = 5000, .sizeIndex = 4, .windowHeight = 876},
     {IDM_LEVEL_GOD, IDM_SPEED_SLOW, IDM_MARK_PREVIOUS, IDM_SOUND, IDM_STATUS_BAR, IDM_COLOR_BLACK},
     {IDM_UNDO, IDM_REDO, IDM_LEVEL_MAN, IDM_LEVEL_GOD, IDM_COLOR_BLACK, IDM_COLOR_WHITE}, "Black's turn",
     "Person vs Person"},
    {"other options, Free 700 x 500", true, false, {.level = 0, .computerColour = 1, .gameMode = 1,
     .speed = 0, .allowDoubleThree = 1, .continuousPlay = 1, .markPrevious = 0, .sound = 0, .statusBar = 0,
     .windowX = 30, .windowY = 20, .sizeIndex = 700, .windowHeight = 500},
     {IDM_LEVEL_MAN, IDM_SPEED_FAST, IDM_ENABLE_3X3, IDM_CONTINUOUS_PLAY, IDM_COMPUTER_VS_PERSON,
      IDM_COLOR_WHITE},
     {IDM_UNDO, IDM_REDO}, NULL, NULL},
    // A fixed size keeps its stored corner when it is measured again once the status bar exists.
    {"Small at 100,50", true, false, DefaultsWith(100, 50, 1, 528),
     {IDM_LEVEL_GOD, IDM_SPEED_SLOW, IDM_MARK_PREVIOUS, IDM_SOUND, IDM_STATUS_BAR, IDM_COMPUTER_VS_PERSON,
      IDM_COLOR_BLACK},
     {IDM_UNDO, IDM_REDO}, NULL, NULL},
    // Enough of the window shows below the screen's top edge, but not its caption bar, the strip to drag.
    {"Medium at 100,-600, the caption above the screen", true, true, DefaultsWith(100, -600, 2, 644),
     {IDM_LEVEL_GOD, IDM_SPEED_SLOW, IDM_MARK_PREVIOUS, IDM_SOUND, IDM_STATUS_BAR, IDM_COMPUTER_VS_PERSON,
      IDM_COLOR_BLACK},
     {IDM_UNDO, IDM_REDO}, NULL, NULL},
    {"Free 100000 x 100000 at 30,20", true, false, DefaultsWith(30, 20, 100000, 100000),
     {IDM_LEVEL_GOD, IDM_SPEED_SLOW, IDM_MARK_PREVIOUS, IDM_SOUND, IDM_STATUS_BAR, IDM_COMPUTER_VS_PERSON,
      IDM_COLOR_BLACK},
     {IDM_UNDO, IDM_REDO}, "Your turn", NULL},
    // x is the system's own "place it for me" value, CW_USEDEFAULT.
    {"Free 700 x 500 at -2147483648,50", true, true, DefaultsWith(INT32_MIN, 50, 700, 500),
     {IDM_LEVEL_GOD, IDM_SPEED_SLOW, IDM_MARK_PREVIOUS, IDM_SOUND, IDM_STATUS_BAR, IDM_COMPUTER_VS_PERSON,
      IDM_COLOR_BLACK},
     {IDM_UNDO, IDM_REDO}, NULL, NULL},
};

static bool Contains(const std::vector<int>& items, int item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

// Each start: window, frame, menu marks, status bar; the file kept until Exit. A size the screen cannot hold
// starts Tiny; a Free size ends at the work area's right and bottom edges at most; a position that leaves the
// caption bar out of reach gives the platform's. (What Exit writes: settings_kill_test.)
static void StartsAsStored() {
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    for (const auto& row : kStarts) {
        const Options& o = row.options;
        const bool free = IsFreeSize(o.sizeIndex);
        if (o.sizeIndex == 4 && Fits(4))
            skip("%s: the screen fits Huge (%d pixels high), so the fall back to Tiny cannot be seen",
                 row.what, profile.outerHeight[4]);
        char step[96];
        snprintf(step, sizeof step, "%s metrics, started with %s", profile.name, row.what);
        BYTE bytes[kSettingsFileSize];
        EncodeSettings(o, bytes);
        DeleteFileA(kSettingsFileName);
        if (row.stored) WriteSettings(bytes);
        // Where the window opens, before a window manager may move it.
        HWND window = StartProgram(GetModuleHandleA(NULL), SW_SHOWNORMAL);
        RECT r;
        GetWindowRect(window, &r);
        PumpMessages();
        const int defaultSize = Fits(2) ? 2 : 0;
        const int size = free ? kFreeSize : !row.stored ? defaultSize : Fits(o.sizeIndex) ? o.sizeIndex : 0;
        const int barHeight = o.statusBar ? profile.statusBarHeight : 0;
        const int left = row.placedByPlatform ? work.left : o.windowX;
        const int top = row.placedByPlatform ? work.top : o.windowY;
        const int width = free ? std::min<int>(o.sizeIndex, work.right - left) : profile.outerWidth[size];
        const int height = free ? std::min<int>(o.windowHeight, work.bottom - top)
                                : profile.outerHeight[size] - profile.statusBarHeight + barHeight;
        ok(r.right - r.left == width, "%s: width expected %d, got %ld", step, width, r.right - r.left);
        ok(r.bottom - r.top == height, "%s: height expected %d, got %ld", step, height, r.bottom - r.top);
        if (row.placedByPlatform) {
            ok(r.left >= work.left && r.right <= work.right, "%s: expected on the work area, got left %ld "
               "right %ld", step, r.left, r.right);
            ok(r.top >= work.top && r.bottom <= work.bottom, "%s: expected on the work area, got top %ld "
               "bottom %ld", step, r.top, r.bottom);
        } else {
            ok(r.left == o.windowX, "%s: left expected %d, got %ld", step, (int)o.windowX, r.left);
            ok(r.top == o.windowY, "%s: top expected %d, got %ld", step, (int)o.windowY, r.top);
        }
        const bool sizeable = (GetWindowLongA(window, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX)) != 0;
        ok(sizeable == free, "%s: sizing frame expected %s", step, free ? "present" : "absent");
        for (int item = IDM_NEW_GAME; item <= IDM_ABOUT; item++) {
            const bool sizeItem = item >= IDM_SIZE_TINY && item <= IDM_SIZE_FREE;
            const int sizeOf = item - IDM_SIZE_TINY;
            const bool checked = sizeItem ? sizeOf == size : Contains(row.checked, item);
            const bool grayed = sizeItem ? sizeOf < kFreeSize && !Fits(sizeOf) : Contains(row.grayed, item);
            ExpectItem(window, step, item, checked, grayed);
        }
        const bool bar = IsWindowVisible(statusBarWindow) != 0;
        ok(bar == (o.statusBar != 0), "%s: status bar expected %s", step, o.statusBar ? "shown" : "hidden");
        if (row.turnText)
            ok(!strcmp(StatusText(0), row.turnText), "%s: status expected \"%s\", got \"%s\"", step,
               row.turnText, StatusText(0));
        if (row.modeText)
            ok(!strcmp(StatusText(1), row.modeText), "%s: mode text expected \"%s\", got \"%s\"", step,
               row.modeText, StatusText(1));
        const bool there = GetFileAttributesA(kSettingsFileName) != INVALID_FILE_ATTRIBUTES;
        ok(there == row.stored, "%s: settings file expected %s until Exit", step,
           row.stored ? "kept" : "absent");

        ExitGame(window);
    }
}

int main() {
    StartsAsStored();
    return CheckSummary("startup");
}
