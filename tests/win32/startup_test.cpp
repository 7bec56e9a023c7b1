// The resources; the real game started from stored options and exited (refused start-up steps: start_exit_safety).
#include "app/win_main.cpp"

#include "game_window.h"

static const char* const kIni = "Kivrano.ini";
static const int kHeight[5] = {412, 528, 644, 760, 876};  // Tiny..Huge with the status bar, 58 more than wide
static bool Fits(int size) { return kHeight[size] <= GetSystemMetrics(SM_CYSCREEN); }
static bool FileThere() { return GetFileAttributesA(kIni) != INVALID_FILE_ATTRIBUTES; }

// A settings file: header and nine option bytes, then four decimal texts, each NUL-ended over the last in 11 bytes.
static void SettingsBytes(unsigned char out[55], const unsigned char o[9], int x, int y, int size, int h) {
    unsigned char record[11] = {1, 46};
    memcpy(record + 2, o, 9);
    memcpy(out, record, 11);
    int values[4] = {x, y, size, h};
    for (int i = 0; i < 4; i++) {
        char text[16];
        memcpy(record, text, snprintf(text, sizeof text, "%d", values[i]) + 1);
        memcpy(out + 11 * (i + 1), record, 11);
    }
}
// Writes the 55 bytes dated long ago, or reads up to 64 and their date; gives the count moved.
static const FILETIME kLongAgo = {0x2A4E0000, 0x01C07385};
static FILETIME stamp;
static DWORD FileBytes(bool write, unsigned char bytes[64]) {
    DWORD done = 0;
    HANDLE file =
        CreateFileA(kIni, write ? GENERIC_WRITE : GENERIC_READ, 0, NULL, write ? CREATE_ALWAYS : OPEN_EXISTING, 0, 0);
    write ? WriteFile(file, bytes, 55, &done, NULL) && SetFileTime(file, NULL, NULL, &kLongAgo)
          : ReadFile(file, bytes, 64, &done, NULL) && GetFileTime(file, NULL, NULL, &stamp);
    CloseHandle(file);
    return done;
}

// Stored files (h 0: none; a wrong header is the settings file test's) and what they start; menu: items 101..124
// 'c' checked, 'g' grayed, 'b' both, the sizes filled in from the screen; status: both parts of the bar, if checked.
static const struct { const char* what; unsigned char o[9]; int x, y, size, h; const char *menu, *status; }
kStarts[] = {
    {"no file", {}, 0, 0, 0, 0, ".gg..c.c........ccccc...", "Your turn|Computer vs Person"},
    {"Free", {1, 2, 1, 1, 0, 0, 1, 1, 1}, 40, 30, 700, 500, ".gg..c.c........ccccc...", NULL},
    {"gameMode 2", {1, 2, 2, 1, 0, 0, 1, 1, 1}, 60, 40, 2, 644, ".gg.gb.c........ccc.bg..",
     "Black's turn|Person vs Person"},
    {"Huge", {1, 2, 1, 1, 0, 0, 1, 1, 1}, 20, 20, 4, 876, ".gg..c.c........ccccc...", NULL},
    // Man, computer Black, Fast, double three allowed, continuous play, no marker, sound or status bar.
    {"other options", {0, 1, 1, 0, 1, 1, 0, 0, 0}, 30, 20, 1, 508, ".gg.c.c.c......c...c.c..", NULL},
};

// Each start: window, frame, menu marks, status bar; the file kept until Exit rewrites it byte for byte if changed.
static void StartsAsStored() {
    static const unsigned char kDefaults[9] = {1, 2, 1, 1, 0, 0, 1, 1, 1};
    ok(!Fits(4), "expected a screen too low for Huge");
    for (const auto& row : kStarts) {
        unsigned char bytes[64], written[64], got[64];
        bool stored = row.h, free = row.size > 4;
        SettingsBytes(bytes, row.o, row.x, row.y, row.size, row.h);
        DeleteFileA(kIni);
        if (stored) FileBytes(true, bytes);
        HWND window = StartGame();
        const unsigned char* o = stored ? row.o : kDefaults;
        int size = free ? 5 : !stored ? (Fits(2) ? 2 : 0) : Fits(row.size) ? row.size : 0;
        int width = free ? row.size : kHeight[size] - 58, height = free ? row.h : kHeight[size] - 20 * !o[8];
        RECT r;
        GetWindowRect(window, &r);
        ok(r.right - r.left == width && r.bottom - r.top == height &&
               (!stored || (r.left == row.x && r.top == row.y)) &&
               ((GetWindowLongA(window, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX)) != 0) == free,
           "%s: expected %d x %d, sizeable %d; got %ld x %ld at (%ld,%ld)", row.what, width, height, free,
           r.right - r.left, r.bottom - r.top, r.left, r.top);
        char menu[25] = {}, want[25];
        strcpy(want, row.menu);
        for (int item = IDM_NEW_GAME, s = item - IDM_SIZE_TINY; item <= IDM_ABOUT; item++, s++) {
            menu[item - IDM_NEW_GAME] = ".cgb"[!!Checked(window, item) + 2 * !!Grayed(window, item)];
            if (s >= 0 && s <= 5) want[item - IDM_NEW_GAME] = s == size ? 'c' : s < 5 && !Fits(s) ? 'g' : '.';
        }
        ok(strcmp(menu, want) == 0, "%s: expected the menu %s, got %s", row.what, want, menu);
        char status[300];
        snprintf(status, sizeof status, "%s|%s", StatusText(0), StatusText(1));
        ok(!IsWindowVisible(statusBarWindow) == !o[8] && (!row.status || !strcmp(status, row.status)),
           "%s: got the status bar %d with \"%s\"", row.what, IsWindowVisible(statusBarWindow), status);
        ok(FileThere() == stored, "%s: expected the file %s until Exit", row.what, stored ? "kept" : "absent");
        GetWindowRect(window, &r);
        ExitGame(window);
        SettingsBytes(written, o, r.left, r.top, free ? width : size, r.bottom - r.top);
        ok(FileBytes(false, got) == 55 && !memcmp(got, written, 55) &&
               !CompareFileTime(&stamp, &kLongAgo) == (stored && !memcmp(bytes, written, 55)),
           "%s: expected Exit to write it byte for byte, only if changed", row.what);
    }
}

// The menu as text: "caption=id", "-" for a separator, "caption[...]" for a popup.
static int MenuText(HMENU menu, wchar_t* out) {
    int n = 0;
    for (int i = 0; i < GetMenuItemCount(menu); i++) {
        if (i) out[n++] = '|';
        n += GetMenuStringW(menu, i, out + n, 64, MF_BYPOSITION);
        if (HMENU sub = GetSubMenu(menu, i)) out[n++] = '[', n += MenuText(sub, out + n), out[n++] = ']';
        else n += GetMenuItemID(menu, i) ? swprintf(out + n, 8, L"=%u", GetMenuItemID(menu, i)) : (out[n] = '-', 1);
    }
    out[n] = 0;
    return n;
}

// The menu, dialog templates and icon as loaded (language: tests/shipped; dialogs' texts on screen: game_play_test).
static void Resources() {
    static const wchar_t kMenu[] =
        L"&Game[&New Game=101|-|&Undo=102|&Redo=103|-|E&xit=104]|&Options[Play &Level[&Man=105|&God=106]|&Game Speed"
        L"[&Fast=107|&Slow=108]|&Enable 3X3=109|-|Screen Si&ze[&Tiny=110|&Small=111|&Medium=112|&Large=113|&Huge=114|"
        L"-|&Free=115]|Con&tinuous Play=116|&Mark Previous Stone=117|&Sound=118|-|Status &Bar=119|-|C&omputer vs "
        L"Person=120|Your &Color[&Black=121|&White=122]]|&Help[&Contents=123|-|&About Kivrano...=124]";
    HMODULE module = GetModuleHandleA(NULL);
    static wchar_t menu[2048];
    MenuText(LoadMenuA(module, "Kivrano"), menu);
    ok(wcscmp(menu, kMenu) == 0, "expected the menu\n%ls\ngot\n%ls", kMenu, menu);
    // Style, no extended style, controls, place and size in dialog units.
    const DLGTEMPLATE kAbout = {0x80C80080, 0, 11, 47, 88, 192, 102}, kWarn = {0x80C00000, 0, 2, 104, 115, 78, 48};
    for (const auto& [name, want] : {std::pair{"AboutBox", kAbout}, std::pair{"SsangsamBox", kWarn}}) {
        HRSRC found = FindResourceA(module, name, RT_DIALOG);
        ok(found && !memcmp(LockResource(LoadResource(module, found)), &want, 18), "%s: expected its template", name);
    }
    HRSRC group = FindResourceA(module, "Kivrano", RT_GROUP_ICON);
    const BYTE* icon = group ? (const BYTE*)LockResource(LoadResource(module, group)) : NULL;
    ok(icon && icon[4] == 1 && icon[6] == 32 && icon[7] == 32 && icon[8] == 16, "expected a 32 x 32 icon, 16 colours");
}

int main() {
    for (auto part : {Resources, StartsAsStored}) part();
    return CheckSummary("startup");
}
