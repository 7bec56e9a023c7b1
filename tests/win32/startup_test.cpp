// The resources, and the real game started from stored options and exited.
// (Refused start-up steps are checked in start_exit_safety_test.)
#include "app/win_main.cpp"

#include "game_window.h"
#include "metrics_profile.h"
#include "settings/settings_bytes.h"

#include <string>
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
    {"Medium at 100,-600, the caption above the screen", true, true, DefaultsWith(100, -600, 2, 644),
     {IDM_LEVEL_GOD, IDM_SPEED_SLOW, IDM_MARK_PREVIOUS, IDM_SOUND, IDM_STATUS_BAR, IDM_COMPUTER_VS_PERSON,
      IDM_COLOR_BLACK},
     {IDM_UNDO, IDM_REDO}, NULL, NULL},
    {"Free 100000 x 100000 at 30,20", true, false, DefaultsWith(30, 20, 100000, 100000),
     {IDM_LEVEL_GOD, IDM_SPEED_SLOW, IDM_MARK_PREVIOUS, IDM_SOUND, IDM_STATUS_BAR, IDM_COMPUTER_VS_PERSON,
      IDM_COLOR_BLACK},
     {IDM_UNDO, IDM_REDO}, "Your turn", NULL},
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
        const bool free = o.sizeIndex > 4;
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
        const int size = free ? 5 : !row.stored ? defaultSize : Fits(o.sizeIndex) ? o.sizeIndex : 0;
        const int barHeight = o.statusBar ? profile.statusBarHeight : 0;
        const int width = free ? std::min<int>(o.sizeIndex, work.right - o.windowX) : profile.outerWidth[size];
        const int height = free ? std::min<int>(o.windowHeight, work.bottom - o.windowY)
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
            const bool grayed = sizeItem ? sizeOf < 5 && !Fits(sizeOf) : Contains(row.grayed, item);
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

// A dialog template's header or one control, as the program's resources hold it.
struct DialogPart {
    std::string windowClass;  // for a control: "Static" or "Button", whether named or given by atom
    DWORD style;
    short x, y, cx, cy;       // in dialog units
    WORD id;                  // for the header: the number of controls
    std::string text;         // caption or control text, in UTF-8
    std::string font = "";    // for the header: "FACE, N pt, weight W, italic I, charset C"; "" for none
};

// Reads a name or ordinal field (0: none; 0xFFFF then a number; else a NUL-ended string) and moves past it.
static std::string ReadName(const WORD*& at) {
    if (*at == 0xFFFF) {
        at += 2;
        return at[-1] == 0x0080 ? "Button" : at[-1] == 0x0082 ? "Static" : "an ordinal";
    }
    char text[128] = "";
    WideCharToMultiByte(CP_UTF8, 0, (LPCWSTR)at, -1, text, sizeof text, NULL, NULL);
    at += wcslen((const wchar_t*)at) + 1;
    return text;
}

// The header (control count in id) and the controls of a dialog template, standard (DLGTEMPLATE) or
// extended (DLGTEMPLATEEX, which begins with version 1 and 0xFFFF), read at the fields' offsets.
static std::vector<DialogPart> ReadTemplate(const BYTE* data) {
    const bool extended = ((const WORD*)data)[1] == 0xFFFF;
    const BYTE* header = data + (extended ? 12 : 0);  // the style, then the count and the box, in both forms
    const DWORD style = *(const DWORD*)header;
    const WORD count = *(const WORD*)(header + (extended ? 4 : 8));
    const short* box = (const short*)(header + (extended ? 6 : 10));
    const WORD* at = (const WORD*)(header + (extended ? 14 : 18));
    ReadName(at);  // menu
    ReadName(at);  // class
    std::vector<DialogPart> parts = {{"dialog", style, box[0], box[1], box[2], box[3], count, ReadName(at)}};
    if (style & DS_SETFONT) {
        const int points = *at++;
        const int weight = extended ? *at++ : 0;
        const BYTE* italicAndCharset = (const BYTE*)at;
        at += extended ? 1 : 0;
        char font[96];
        const int italic = extended ? italicAndCharset[0] : 0;
        const int charset = extended ? italicAndCharset[1] : 0;
        snprintf(font, sizeof font, "%s, %d pt, weight %d, italic %d, charset %d", ReadName(at).c_str(),
                 points, weight, italic, charset);
        parts[0].font = font;
    }
    for (int i = 0; i < count; i++) {
        // Each control on a 4-byte boundary: style, box and id, then its class, text and creation data.
        const BYTE* item = (const BYTE*)(((ULONG_PTR)at + 3) & ~(ULONG_PTR)3);
        const DWORD itemStyle = *(const DWORD*)(item + (extended ? 8 : 0));
        const short* itemBox = (const short*)(item + (extended ? 12 : 8));
        const WORD id = *(const WORD*)(item + (extended ? 20 : 16));
        at = (const WORD*)(item + (extended ? 24 : 18));
        const std::string windowClass = ReadName(at);
        const std::string text = ReadName(at);
        parts.push_back({windowClass, itemStyle, itemBox[0], itemBox[1], itemBox[2], itemBox[3], id, text});
        at += 1 + (*at + 1) / 2;  // the creation data: its size, then the bytes
    }
    return parts;
}

// Both dialogs field by field: the header, then each control (the class in any case).
static void Dialogs() {
    const WORD kStatic = 0xFFFF;
    const DWORD kText = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
    const DWORD kOk = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON;
    static const struct { const char* name; std::vector<DialogPart> parts; } kDialogs[] = {
        {"AboutBox", {
            {"dialog", DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 47, 88, 192, 102, 11,
             "About Kivrano"},
            {"Static", WS_CHILD | WS_VISIBLE | SS_ICON, 14, 12, 0, 0, kStatic, "KIVRANO"},
            {"Static", kText, 47, 10, 170, 8, kStatic, KIVRANO_ABOUT_VERSION_LINE},
            {"Static", kText, 44, 22, 170, 8, kStatic, "A game of five in a row"},
            {"Static", kText, 14, 44, 170, 8, kStatic, "Created"},
            {"Static", kText, 49, 44, 170, 8, kStatic, "December 2026"},
            {"Static", kText, 14, 57, 170, 8, kStatic, "Maker"},
            {"Static", kText, 49, 57, 170, 8, kStatic, "The Kivrano team"},
            {"Static", kText, 14, 70, 170, 8, kStatic, "Contact"},
            {"Static", kText, 49, 70, 170, 8, kStatic, "kivrano@example.org"},
            {"Static", kText, 49, 83, 170, 8, kStatic, "example.org/kivrano"},
            {"Button", kOk, 146, 12, 32, 16, IDOK, "OK"}}},
        // The shell's dialog font, which Windows links to a Korean one on every locale.
        {"SsangsamBox", {
            {"dialog", DS_SHELLFONT | WS_POPUP | WS_CAPTION, 104, 115, 78, 48, 2, "Warning 3X3 !",
             "MS Shell Dlg 2, 8 pt, weight 400, italic 0, charset 1"},
            {"Static", WS_CHILD | WS_VISIBLE | WS_GROUP | SS_CENTER, 0, 11, 78, 8, kStatic,
             "\uC30D \uC0BC \uC785 \uB2C8 \uB2E4"},
            {"Button", kOk, 23, 29, 32, 12, IDOK, "OK"}}},
    };
    HMODULE module = GetModuleHandleA(NULL);
    for (const auto& dialog : kDialogs) {
        HRSRC found = FindResourceA(module, dialog.name, RT_DIALOG);
        ok(found != NULL, "%s: expected the dialog template", dialog.name);
        if (!found) continue;
        std::vector<DialogPart> got = ReadTemplate((const BYTE*)LockResource(LoadResource(module, found)));
        for (size_t i = 0; i < dialog.parts.size() && i < got.size(); i++) {
            const DialogPart& w = dialog.parts[i];
            const DialogPart& g = got[i];
            char at[48];
            if (i == 0) snprintf(at, sizeof at, "%s header", dialog.name);
            else snprintf(at, sizeof at, "%s control %d", dialog.name, (int)i);
            ok(!lstrcmpiA(g.windowClass.c_str(), w.windowClass.c_str()), "%s: class expected %s, got %s", at,
               w.windowClass.c_str(), g.windowClass.c_str());
            ok(g.style == w.style, "%s: style expected 0x%08lx, got 0x%08lx", at, w.style, g.style);
            ok(g.x == w.x, "%s: x expected %d, got %d", at, w.x, g.x);
            ok(g.y == w.y, "%s: y expected %d, got %d", at, w.y, g.y);
            ok(g.cx == w.cx, "%s: width expected %d, got %d", at, w.cx, g.cx);
            ok(g.cy == w.cy, "%s: height expected %d, got %d", at, w.cy, g.cy);
            ok(g.id == w.id, "%s: %s expected %d, got %d", at, i ? "id" : "control count", w.id, g.id);
            ok(g.text == w.text, "%s: text expected \"%s\", got \"%s\"", at, w.text.c_str(), g.text.c_str());
            if (i == 0)
                ok(g.font == w.font, "%s: font expected \"%s\", got \"%s\"", at, w.font.c_str(),
                   g.font.c_str());
        }
    }
}

int main() {
    Dialogs();
    StartsAsStored();
    return CheckSummary("startup");
}
