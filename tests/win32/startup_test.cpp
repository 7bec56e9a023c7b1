// The resources, and the real game started from stored options and exited.
// (Refused start-up steps are checked in start_exit_safety_test.)
#include "app/win_main.cpp"

#include "game_window.h"
#include "settings/settings_bytes.h"

#include <string>
#include <vector>

static const char* const kIni = "Kivrano.ini";
// The window's outer height, Tiny to Huge, with the status bar; the width is 58 less.
static const int kHeight[5] = {412, 528, 644, 760, 876};
static bool Fits(int size) { return kHeight[size] <= GetSystemMetrics(SM_CYSCREEN); }
static bool FileThere() { return GetFileAttributesA(kIni) != INVALID_FILE_ATTRIBUTES; }

// Writes the 55 bytes dated long ago, or reads up to 64 and their date; gives the count moved.
static const FILETIME kLongAgo = {0x2A4E0000, 0x01C07385};
static FILETIME stamp;
static DWORD FileBytes(bool write, unsigned char bytes[64]) {
    DWORD done = 0;
    DWORD access = write ? GENERIC_WRITE : GENERIC_READ;
    HANDLE file = CreateFileA(kIni, access, 0, NULL, write ? CREATE_ALWAYS : OPEN_EXISTING, 0, 0);
    if (write && WriteFile(file, bytes, 55, &done, NULL)) SetFileTime(file, NULL, NULL, &kLongAgo);
    if (!write && ReadFile(file, bytes, 64, &done, NULL)) GetFileTime(file, NULL, NULL, &stamp);
    CloseHandle(file);
    return done;
}

// The default options in the given game mode, stored with the window at (windowX, windowY), the size
// record (0..4, or a Free window's width) and windowHeight.
static Options Stored(int32_t gameMode, int32_t windowX, int32_t windowY, int32_t sizeRecord,
                      int32_t windowHeight) {
    Options o = kDefaultOptions;
    o.gameMode = gameMode;
    o.windowX = windowX;
    o.windowY = windowY;
    o.sizeIndex = sizeRecord;
    o.windowHeight = windowHeight;
    return o;
}
static const std::vector<int> kDefaultChecked = {IDM_LEVEL_GOD, IDM_SPEED_SLOW, IDM_MARK_PREVIOUS, IDM_SOUND,
                                                 IDM_STATUS_BAR, IDM_COMPUTER_VS_PERSON, IDM_COLOR_BLACK};

// Stored files (none, or valid ones; a wrong header is the settings file test's) and what they start: the
// menu items checked and grayed besides the sizes (those follow the screen), the status bar's two texts.
static const struct {
    const char* what;
    bool stored;
    Options options;
    std::vector<int> checked, grayed;
    const char *turnText, *modeText;  // NULL: not looked at
} kStarts[] = {
    {"no settings file", false, kDefaultOptions, kDefaultChecked, {IDM_UNDO, IDM_REDO}, "Your turn",
     "Computer vs Person"},
    {"Free stored", true, Stored(kComputerVsPerson, 40, 30, 700, 500), kDefaultChecked, {IDM_UNDO, IDM_REDO},
     NULL, NULL},
    {"gameMode 2 stored", true, Stored(kPersonVsPerson, 60, 40, 2, 644),
     {IDM_LEVEL_GOD, IDM_SPEED_SLOW, IDM_MARK_PREVIOUS, IDM_SOUND, IDM_STATUS_BAR, IDM_COLOR_BLACK},
     {IDM_UNDO, IDM_REDO, IDM_LEVEL_MAN, IDM_LEVEL_GOD, IDM_COLOR_BLACK, IDM_COLOR_WHITE}, "Black's turn",
     "Person vs Person"},
    {"Huge stored", true, Stored(kComputerVsPerson, 20, 20, 4, 876), kDefaultChecked, {IDM_UNDO, IDM_REDO},
     NULL, NULL},
    {"other options stored", true, {.level = 0, .computerColour = 1, .gameMode = 1, .speed = 0,
     .allowDoubleThree = 1, .continuousPlay = 1, .markPrevious = 0, .sound = 0, .statusBar = 0, .windowX = 30,
     .windowY = 20, .sizeIndex = 1, .windowHeight = 508},
     {IDM_LEVEL_MAN, IDM_SPEED_FAST, IDM_ENABLE_3X3, IDM_CONTINUOUS_PLAY, IDM_COMPUTER_VS_PERSON,
      IDM_COLOR_WHITE},
     {IDM_UNDO, IDM_REDO}, NULL, NULL},
};

static bool Contains(const std::vector<int>& items, int item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

// Each start: window, frame, menu marks, status bar; the file kept until Exit, which rewrites it byte for
// byte only if something changed.
static void StartsAsStored() {
    for (const auto& row : kStarts) {
        const Options& o = row.options;
        const bool free = o.sizeIndex > 4;
        if (row.stored && o.sizeIndex == 4 && Fits(4)) {
            skip("%s: the screen fits Huge (%d pixels high), so the fall back to Tiny cannot be seen",
                 row.what, kHeight[4]);
            continue;
        }
        char step[48];
        snprintf(step, sizeof step, "started with %s", row.what);
        unsigned char bytes[64], written[64], got[64];
        EncodeSettings(o, bytes);
        DeleteFileA(kIni);
        if (row.stored) FileBytes(true, bytes);
        HWND window = StartGame();
        const int defaultSize = Fits(2) ? 2 : 0;
        const int size = free ? 5 : !row.stored ? defaultSize : Fits(o.sizeIndex) ? o.sizeIndex : 0;
        const int width = free ? o.sizeIndex : kHeight[size] - 58;
        const int height = free ? o.windowHeight : kHeight[size] - (o.statusBar ? 0 : 20);
        RECT r;
        GetWindowRect(window, &r);
        ok(r.right - r.left == width, "%s: width expected %d, got %ld", step, width, r.right - r.left);
        ok(r.bottom - r.top == height, "%s: height expected %d, got %ld", step, height, r.bottom - r.top);
        if (row.stored) {
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
        ok(bar == (o.statusBar != 0), "%s: status bar expected %s", step,
           o.statusBar ? "shown" : "hidden");
        if (row.turnText)
            ok(!strcmp(StatusText(0), row.turnText), "%s: status expected \"%s\", got \"%s\"", step,
               row.turnText, StatusText(0));
        if (row.modeText)
            ok(!strcmp(StatusText(1), row.modeText), "%s: mode text expected \"%s\", got \"%s\"", step,
               row.modeText, StatusText(1));
        ok(FileThere() == row.stored, "%s: settings file expected %s until Exit", step,
           row.stored ? "kept" : "absent");

        GetWindowRect(window, &r);
        ExitGame(window);
        Options saved = o;
        saved.windowX = r.left;
        saved.windowY = r.top;
        saved.sizeIndex = free ? width : size;
        saved.windowHeight = r.bottom - r.top;
        EncodeSettings(saved, written);
        ok(FileBytes(false, got) == 55, "%s: settings file expected 55 bytes after Exit", step);
        for (int i = 0; i < 55; i++)
            if (got[i] != written[i]) {
                ok(false, "%s: settings byte %d expected %d, got %d", step, i, written[i], got[i]);
                break;
            }
        const bool unchanged = row.stored && !memcmp(bytes, written, 55);
        ok(!CompareFileTime(&stamp, &kLongAgo) == unchanged, "%s: settings file expected %s at Exit",
           step, unchanged ? "left alone" : "written");
    }
}

// A dialog template's header or one control, as the program's resources hold it.
struct DialogPart {
    const char* windowClass;  // for a control: "Static" or "Button", whether named or given by atom
    DWORD style;
    short x, y, cx, cy;       // in dialog units
    WORD id;
    std::string text;         // caption or control text, in UTF-8
};

// Reads a name or ordinal field (0: none; 0xFFFF then a number; else a NUL-ended string) and moves past it.
static std::string ReadName(const WORD*& at) {
    if (*at == 0xFFFF) {
        WORD ordinal = at[1];
        at += 2;
        if (ordinal == 0x0080) return "Button";
        if (ordinal == 0x0082) return "Static";
        return "an ordinal";
    }
    char text[128] = "";
    WideCharToMultiByte(CP_UTF8, 0, (LPCWSTR)at, -1, text, sizeof text, NULL, NULL);
    at += wcslen((const wchar_t*)at) + 1;
    return text;
}

// The header (control count in id) and the controls of a standard dialog template without a font.
static std::vector<DialogPart> ReadTemplate(const BYTE* data) {
    const DLGTEMPLATE* header = (const DLGTEMPLATE*)data;
    const WORD* at = (const WORD*)(data + 18);
    ReadName(at);  // menu
    ReadName(at);  // class
    std::vector<DialogPart> parts = {{"dialog", header->style, header->x, header->y, header->cx, header->cy,
                                      header->cdit, ReadName(at)}};
    for (int i = 0; i < header->cdit; i++) {
        const BYTE* aligned = (const BYTE*)(((ULONG_PTR)at + 3) & ~(ULONG_PTR)3);
        const DLGITEMTEMPLATE* item = (const DLGITEMTEMPLATE*)aligned;
        at = (const WORD*)(aligned + 18);
        DialogPart part = {"", item->style, item->x, item->y, item->cx, item->cy, item->id, ""};
        std::string windowClass = ReadName(at);
        part.text = ReadName(at);
        at += 1 + (*at + 1) / 2;  // the creation data: its size, then the bytes
        part.windowClass = lstrcmpiA(windowClass.c_str(), "Static") == 0   ? "Static"
                           : lstrcmpiA(windowClass.c_str(), "Button") == 0 ? "Button"
                                                                           : "another class";
        parts.push_back(part);
    }
    return parts;
}

// Both dialogs field by field: the header (id: the number of controls), then each control.
static void Dialogs() {
    const WORD kStatic = 0xFFFF;
    const DWORD kText = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
    const DWORD kOk = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON;
    static const struct { const char* name; std::vector<DialogPart> parts; } kDialogs[] = {
        {"AboutBox", {
            {"dialog", DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 47, 88, 192, 102, 11,
             "About Kivrano"},
            {"Static", WS_CHILD | WS_VISIBLE | SS_ICON, 14, 12, 0, 0, kStatic, "KIVRANO"},
            {"Static", kText, 47, 10, 170, 8, kStatic, "Kivrano     Version 1.46"},
            {"Static", kText, 44, 22, 170, 8, kStatic, "A game of five in a row"},
            {"Static", kText, 14, 44, 170, 8, kStatic, "Created"},
            {"Static", kText, 49, 44, 170, 8, kStatic, "December 2026"},
            {"Static", kText, 14, 57, 170, 8, kStatic, "Maker"},
            {"Static", kText, 49, 57, 170, 8, kStatic, "The Kivrano team"},
            {"Static", kText, 14, 70, 170, 8, kStatic, "Contact"},
            {"Static", kText, 49, 70, 170, 8, kStatic, "kivrano@example.org"},
            {"Static", kText, 49, 83, 170, 8, kStatic, "example.org/kivrano"},
            {"Button", kOk, 146, 12, 32, 16, IDOK, "OK"}}},
        {"SsangsamBox", {
            {"dialog", WS_POPUP | WS_CAPTION, 104, 115, 78, 48, 2, "Warning 3X3 !"},
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
            ok(!strcmp(g.windowClass, w.windowClass), "%s: class expected %s, got %s", at, w.windowClass,
               g.windowClass);
            ok(g.style == w.style, "%s: style expected 0x%08lx, got 0x%08lx", at, w.style, g.style);
            ok(g.x == w.x, "%s: x expected %d, got %d", at, w.x, g.x);
            ok(g.y == w.y, "%s: y expected %d, got %d", at, w.y, g.y);
            ok(g.cx == w.cx, "%s: width expected %d, got %d", at, w.cx, g.cx);
            ok(g.cy == w.cy, "%s: height expected %d, got %d", at, w.cy, g.cy);
            ok(g.id == w.id, "%s: %s expected %d, got %d", at, i ? "id" : "control count", w.id, g.id);
            ok(g.text == w.text, "%s: text expected \"%s\", got \"%s\"", at, w.text.c_str(), g.text.c_str());
        }
    }
}

int main() {
    Dialogs();
    StartsAsStored();
    return CheckSummary("startup");
}
