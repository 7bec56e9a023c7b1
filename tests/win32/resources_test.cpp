// The compiled resources as the program loads them from its own module:
// the menu KIVRANO item by item, the two dialog templates field by field
// (the warning's Korean text as UTF-16), the icon, all in Korean (1042).
#include <windows.h>

#include <string.h>
#include <wchar.h>

#include "res/resource.h"
#include "win32_check.h"

static HMODULE module;
const WORD kKorean = MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN);

// ---- Languages ------------------------------------------------------------

static WORD languages[8];
static int languageCount;

static BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR) {
    if (languageCount < 8) languages[languageCount] = language;
    languageCount++;
    return TRUE;
}

static void CheckOnlyKorean(LPCWSTR type, LPCWSTR name, const char* what) {
    languageCount = 0;
    EnumResourceLanguagesW(module, type, name, CollectLanguage, 0);
    ok(languageCount == 1 && languages[0] == kKorean, "%s: expected one language 1042, got %d, first %u", what,
       languageCount, languageCount ? (unsigned)languages[0] : 0u);
}

// ---- Menu -----------------------------------------------------------------

const int kPopup = -1;
const int kSeparator = 0;

struct MenuLine {
    int depth;
    const wchar_t* caption;
    int id;  // a command, kPopup or kSeparator
};

static const MenuLine kMenu[] = {
    {0, L"&Game", kPopup},
    {1, L"&New Game", IDM_NEW_GAME},
    {1, L"", kSeparator},
    {1, L"&Undo", IDM_UNDO},
    {1, L"&Redo", IDM_REDO},
    {1, L"", kSeparator},
    {1, L"E&xit", IDM_EXIT},
    {0, L"&Options", kPopup},
    {1, L"Play &Level", kPopup},
    {2, L"&Man", IDM_LEVEL_MAN},
    {2, L"&God", IDM_LEVEL_GOD},
    {1, L"&Game Speed", kPopup},
    {2, L"&Fast", IDM_SPEED_FAST},
    {2, L"&Slow", IDM_SPEED_SLOW},
    {1, L"&Enable 3X3", IDM_ENABLE_3X3},
    {1, L"", kSeparator},
    {1, L"Screen Si&ze", kPopup},
    {2, L"&Tiny", IDM_SIZE_TINY},
    {2, L"&Small", IDM_SIZE_SMALL},
    {2, L"&Medium", IDM_SIZE_MEDIUM},
    {2, L"&Large", IDM_SIZE_LARGE},
    {2, L"&Huge", IDM_SIZE_HUGE},
    {2, L"", kSeparator},
    {2, L"&Free", IDM_SIZE_FREE},
    {1, L"Con&tinuous Play", IDM_CONTINUOUS_PLAY},
    {1, L"&Mark Previous Stone", IDM_MARK_PREVIOUS},
    {1, L"&Sound", IDM_SOUND},
    {1, L"", kSeparator},
    {1, L"Status &Bar", IDM_STATUS_BAR},
    {1, L"", kSeparator},
    {1, L"C&omputer vs Person", IDM_COMPUTER_VS_PERSON},
    {1, L"Your &Color", kPopup},
    {2, L"&Black", IDM_COLOR_BLACK},
    {2, L"&White", IDM_COLOR_WHITE},
    {0, L"&Help", kPopup},
    {1, L"&Contents", IDM_HELP_CONTENTS},
    {1, L"", kSeparator},
    {1, L"&About Kivrano...", IDM_ABOUT},
};
const int kMenuLines = sizeof kMenu / sizeof kMenu[0];

static MenuLine found[64];
static wchar_t foundCaption[64][64];
static int foundCount;
static int foundStateFlags;  // checked or grayed items seen

static void WalkMenu(HMENU menu, int depth) {
    int items = GetMenuItemCount(menu);
    for (int i = 0; i < items && foundCount < 64; i++) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = foundCaption[foundCount];
        info.cch = 64;
        foundCaption[foundCount][0] = 0;
        GetMenuItemInfoW(menu, i, TRUE, &info);
        MenuLine& line = found[foundCount++];
        line.depth = depth;
        line.caption = info.dwTypeData;
        if (info.fType & MFT_SEPARATOR)
            line.id = kSeparator;
        else if (info.hSubMenu)
            line.id = kPopup;
        else
            line.id = (int)info.wID;
        // Separators are inert by nature; every other item starts enabled.
        if (!(info.fType & MFT_SEPARATOR) && (info.fState & (MFS_CHECKED | MFS_GRAYED))) foundStateFlags++;
        if (info.hSubMenu) WalkMenu(info.hSubMenu, depth + 1);
    }
}

static void CheckMenu() {
    HMENU menu = LoadMenuA(module, "Kivrano");
    ok(menu != NULL, "expected the menu KIVRANO to load");
    if (menu == NULL) return;
    WalkMenu(menu, 0);
    ok(foundCount == kMenuLines, "expected %d menu lines, got %d", kMenuLines, foundCount);
    for (int i = 0; i < kMenuLines && i < foundCount; i++) {
        const MenuLine& want = kMenu[i];
        const MenuLine& got = found[i];
        bool same = want.depth == got.depth && want.id == got.id &&
                    (want.id == kSeparator || wcscmp(want.caption, got.caption) == 0);
        ok(same, "menu line %d: expected depth %d id %d \"%ls\", got depth %d id %d \"%ls\"", i, want.depth, want.id,
           want.caption, got.depth, got.id, got.caption);
    }
    ok(foundStateFlags == 0, "expected every item enabled and unchecked in the template, got %d others",
       foundStateFlags);
    DestroyMenu(menu);
}

// ---- Dialog templates -----------------------------------------------------

struct Control {
    DWORD style;
    short x, y, cx, cy;
    WORD id;
    const wchar_t* className;
    const wchar_t* text;  // NULL: any non-empty text
};

struct Dialog {
    const wchar_t* name;
    DWORD style;
    short x, y, cx, cy;
    const wchar_t* caption;
    int controls;
    const Control* control;
};

const WORD kNoId = 0xFFFF;

static const Control kAboutControls[] = {
    {0x50000003, 14, 12, 0, 0, kNoId, L"STATIC", L"KIVRANO"},
    {0x50020000, 47, 10, 170, 8, kNoId, L"STATIC", L"Kivrano     Version 1.46"},
    {0x50020000, 44, 22, 170, 8, kNoId, L"STATIC", NULL},
    {0x50020000, 14, 44, 170, 8, kNoId, L"STATIC", NULL},
    {0x50020000, 49, 44, 170, 8, kNoId, L"STATIC", NULL},
    {0x50020000, 14, 57, 170, 8, kNoId, L"STATIC", NULL},
    {0x50020000, 49, 57, 170, 8, kNoId, L"STATIC", NULL},
    {0x50020000, 14, 70, 170, 8, kNoId, L"STATIC", NULL},
    {0x50020000, 49, 70, 170, 8, kNoId, L"STATIC", NULL},
    {0x50020000, 49, 83, 170, 8, kNoId, L"STATIC", NULL},
    {0x50030001, 146, 12, 32, 16, IDOK, L"BUTTON", L"OK"},
};

// "쌍 삼 입 니 다", one blank between the syllables.
static const wchar_t kDoubleThreeText[] = {0xC30D, ' ', 0xC0BC, ' ', 0xC785, ' ', 0xB2C8, ' ', 0xB2E4, 0};

static const Control kWarningControls[] = {
    {0x50020001, 0, 11, 78, 8, kNoId, L"STATIC", kDoubleThreeText},
    {0x50030001, 23, 29, 32, 12, IDOK, L"BUTTON", L"OK"},
};

static const Dialog kDialogs[] = {
    {L"AboutBox", 0x80C80080, 47, 88, 192, 102, L"About Kivrano", 11, kAboutControls},
    {L"SsangsamBox", 0x80C00000, 104, 115, 78, 48, L"Warning 3X3 !", 2, kWarningControls},
};

// Reads a name-or-ordinal field into text ("#n" for an ordinal).
static const WORD* ReadNameOrOrdinal(const WORD* p, wchar_t* text, int capacity) {
    if (*p == 0xFFFF) {
        swprintf(text, capacity, L"#%u", (unsigned)p[1]);
        return p + 2;
    }
    int i = 0;
    while (*p) {
        if (i < capacity - 1) text[i++] = *p;
        p++;
    }
    text[i] = 0;
    return p + 1;
}

static const WORD* AlignDword(const WORD* p, const BYTE* start) {
    size_t offset = (const BYTE*)p - start;
    return (const WORD*)(start + ((offset + 3) & ~(size_t)3));
}

// The predefined classes may be stored as ordinals.
static const wchar_t* ClassName(const wchar_t* stored) {
    if (wcscmp(stored, L"#128") == 0) return L"BUTTON";
    if (wcscmp(stored, L"#130") == 0) return L"STATIC";
    return stored;
}

static void CheckDialog(const Dialog& want) {
    HRSRC resource = FindResourceW(module, want.name, (LPCWSTR)RT_DIALOG);
    ok(resource != NULL, "expected the dialog %ls", want.name);
    if (resource == NULL) return;
    const BYTE* start = (const BYTE*)LockResource(LoadResource(module, resource));
    const DLGTEMPLATE* header = (const DLGTEMPLATE*)start;
    ok(*(const WORD*)(start + 2) != 0xFFFF, "%ls: expected a standard template, not an extended one", want.name);
    ok(header->style == want.style, "%ls: expected style 0x%lx, got 0x%lx", want.name, (unsigned long)want.style,
       (unsigned long)header->style);
    ok(header->dwExtendedStyle == 0, "%ls: expected no extended style, got 0x%lx", want.name,
       (unsigned long)header->dwExtendedStyle);
    ok(header->x == want.x && header->y == want.y && header->cx == want.cx && header->cy == want.cy,
       "%ls: expected (%d,%d) %dx%d, got (%d,%d) %dx%d", want.name, want.x, want.y, want.cx, want.cy, header->x,
       header->y, header->cx, header->cy);
    ok(header->cdit == want.controls, "%ls: expected %d controls, got %d", want.name, want.controls, header->cdit);

    const WORD* p = (const WORD*)(start + sizeof(DLGTEMPLATE));
    wchar_t menu[64], windowClass[64], caption[64];
    p = ReadNameOrOrdinal(p, menu, 64);
    p = ReadNameOrOrdinal(p, windowClass, 64);
    p = ReadNameOrOrdinal(p, caption, 64);
    ok(menu[0] == 0 && windowClass[0] == 0, "%ls: expected no menu and the standard class, got \"%ls\" \"%ls\"",
       want.name, menu, windowClass);
    ok(wcscmp(caption, want.caption) == 0, "%ls: expected caption \"%ls\", got \"%ls\"", want.name, want.caption,
       caption);
    ok((header->style & DS_SETFONT) == 0, "%ls: expected no font of its own", want.name);

    for (int i = 0; i < header->cdit && i < want.controls; i++) {
        const Control& c = want.control[i];
        p = AlignDword(p, start);
        const DLGITEMTEMPLATE* item = (const DLGITEMTEMPLATE*)p;
        p = (const WORD*)(item + 1);
        wchar_t itemClass[64], text[64];
        p = ReadNameOrOrdinal(p, itemClass, 64);
        p = ReadNameOrOrdinal(p, text, 64);
        WORD extra = *p++;
        p = (const WORD*)((const BYTE*)p + extra);
        ok(item->style == c.style && item->dwExtendedStyle == 0, "%ls control %d: expected style 0x%lx, got 0x%lx",
           want.name, i, (unsigned long)c.style, (unsigned long)item->style);
        ok(item->x == c.x && item->y == c.y && item->cx == c.cx && item->cy == c.cy,
           "%ls control %d: expected (%d,%d) %dx%d, got (%d,%d) %dx%d", want.name, i, c.x, c.y, c.cx, c.cy, item->x,
           item->y, item->cx, item->cy);
        ok(item->id == c.id, "%ls control %d: expected id %u, got %u", want.name, i, c.id, item->id);
        ok(_wcsicmp(ClassName(itemClass), c.className) == 0, "%ls control %d: expected class %ls, got %ls",
           want.name, i, c.className, itemClass);
        if (c.text)
            ok(wcscmp(text, c.text) == 0, "%ls control %d: expected text \"%ls\", got \"%ls\"", want.name, i, c.text,
               text);
        else
            ok(text[0] != 0 && text[0] != '#', "%ls control %d: expected a line of text", want.name, i);
    }
}

// The warning's text as the compiled bytes, not through any conversion.
static void CheckKoreanBytes() {
    HRSRC resource = FindResourceExW(module, (LPCWSTR)RT_DIALOG, L"SsangsamBox", kKorean);
    ok(resource != NULL, "expected SsangsamBox under language 1042");
    if (resource == NULL) return;
    const BYTE* bytes = (const BYTE*)LockResource(LoadResource(module, resource));
    DWORD size = SizeofResource(module, resource);
    static const BYTE kUtf16[] = {0x0D, 0xC3, 0x20, 0x00, 0xBC, 0xC0, 0x20, 0x00, 0x85, 0xC7,
                                  0x20, 0x00, 0xC8, 0xB2, 0x20, 0x00, 0xE4, 0xB2, 0x00, 0x00};
    bool present = false;
    for (DWORD i = 0; i + sizeof kUtf16 <= size; i += 2)
        if (memcmp(bytes + i, kUtf16, sizeof kUtf16) == 0) present = true;
    ok(present, "expected the UTF-16LE bytes of the Korean warning followed by its NUL in the template");
}

// ---- Icon -----------------------------------------------------------------

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

static void CheckIcon() {
    HRSRC group = FindResourceW(module, L"KIVRANO", (LPCWSTR)RT_GROUP_ICON);
    ok(group != NULL, "expected the icon group KIVRANO");
    if (group == NULL) return;
    const WORD* directory = (const WORD*)LockResource(LoadResource(module, group));
    ok(directory[1] == 1 && directory[2] == 1, "expected one icon image, got type %u count %u", directory[1],
       directory[2]);
    const IconGroupEntry* entry = (const IconGroupEntry*)(directory + 3);
    ok(entry->width == 32 && entry->height == 32 && entry->colours == 16,
       "expected a 32 x 32 image of 16 colours, got %u x %u of %u", entry->width, entry->height, entry->colours);
    HRSRC image = FindResourceW(module, MAKEINTRESOURCEW(entry->id), (LPCWSTR)RT_ICON);
    ok(image != NULL, "expected the icon image %u", entry->id);
    if (image != NULL) {
        const BITMAPINFOHEADER* bits = (const BITMAPINFOHEADER*)LockResource(LoadResource(module, image));
        ok(bits->biWidth == 32 && bits->biHeight == 64 && bits->biBitCount == 4,
           "expected a 4-bit 32 x 32 image with its mask, got %ld x %ld at %u bits", (long)bits->biWidth,
           (long)bits->biHeight, bits->biBitCount);
        CheckOnlyKorean((LPCWSTR)RT_ICON, MAKEINTRESOURCEW(entry->id), "icon image");
    }
    // The window class loads it by the name "Kivrano".
    HICON icon = LoadIconA(module, "Kivrano");
    ICONINFO info = {};
    BITMAP bitmap = {};
    if (icon && GetIconInfo(icon, &info)) {
        GetObjectA(info.hbmMask, sizeof bitmap, &bitmap);
        DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }
    ok(icon != NULL && bitmap.bmWidth == 32, "expected LoadIcon(\"Kivrano\") to give a 32-pixel icon, got %p %ld",
       (void*)icon, (long)bitmap.bmWidth);
}

int main() {
    module = GetModuleHandleA(NULL);
    CheckOnlyKorean((LPCWSTR)RT_MENU, L"KIVRANO", "menu");
    CheckOnlyKorean((LPCWSTR)RT_DIALOG, L"ABOUTBOX", "AboutBox");
    CheckOnlyKorean((LPCWSTR)RT_DIALOG, L"SSANGSAMBOX", "SsangsamBox");
    CheckOnlyKorean((LPCWSTR)RT_GROUP_ICON, L"KIVRANO", "icon group");
    CheckMenu();
    for (const Dialog& dialog : kDialogs) CheckDialog(dialog);
    CheckKoreanBytes();
    CheckIcon();
    return CheckSummary("resources");
}
