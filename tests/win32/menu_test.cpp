// The menu as a player reads it: every caption in its place, each item's command, and mnemonics that
// lead to one item only in every popup. Read from the menu resource this program carries, as the game
// loads it.
#include <windows.h>

#include <ctype.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "win32_check.h"

static const int kSeparator = 0;
static const int kPopup = -1;

// One row per entry, in the order a player sees them: the popup it sits in (with the popups above it),
// its position there, its caption with "&" before the mnemonic, and its command (kPopup or kSeparator).
struct MenuRow {
    const char* popup;
    int position;
    const char* caption;
    int command;
};

static const MenuRow kMenu[] = {
    {"menu bar", 0, "&Game", kPopup},
    {"&Game", 0, "&New Game", IDM_NEW_GAME},
    {"&Game", 1, "", kSeparator},
    {"&Game", 2, "&Undo", IDM_UNDO},
    {"&Game", 3, "&Redo", IDM_REDO},
    {"&Game", 4, "", kSeparator},
    {"&Game", 5, "E&xit", IDM_EXIT},
    {"menu bar", 1, "&Options", kPopup},
    {"&Options", 0, "Play &Level", kPopup},
    {"&Options > Play &Level", 0, "&Man", IDM_LEVEL_MAN},
    {"&Options > Play &Level", 1, "&God", IDM_LEVEL_GOD},
    {"&Options", 1, "&Game Speed", kPopup},
    {"&Options > &Game Speed", 0, "&Fast", IDM_SPEED_FAST},
    {"&Options > &Game Speed", 1, "&Slow", IDM_SPEED_SLOW},
    {"&Options", 2, "&Enable 3X3", IDM_ENABLE_3X3},
    {"&Options", 3, "", kSeparator},
    {"&Options", 4, "Screen Si&ze", kPopup},
    {"&Options > Screen Si&ze", 0, "&Tiny", IDM_SIZE_TINY},
    {"&Options > Screen Si&ze", 1, "&Small", IDM_SIZE_SMALL},
    {"&Options > Screen Si&ze", 2, "&Medium", IDM_SIZE_MEDIUM},
    {"&Options > Screen Si&ze", 3, "&Large", IDM_SIZE_LARGE},
    {"&Options > Screen Si&ze", 4, "&Huge", IDM_SIZE_HUGE},
    {"&Options > Screen Si&ze", 5, "", kSeparator},
    {"&Options > Screen Si&ze", 6, "&Free", IDM_SIZE_FREE},
    {"&Options", 5, "Con&tinuous Play", IDM_CONTINUOUS_PLAY},
    {"&Options", 6, "&Mark Previous Stone", IDM_MARK_PREVIOUS},
    {"&Options", 7, "&Sound", IDM_SOUND},
    {"&Options", 8, "", kSeparator},
    {"&Options", 9, "Status &Bar", IDM_STATUS_BAR},
    {"&Options", 10, "", kSeparator},
    {"&Options", 11, "C&omputer vs Person", IDM_COMPUTER_VS_PERSON},
    {"&Options", 12, "Your &Color", kPopup},
    {"&Options > Your &Color", 0, "&Black", IDM_COLOR_BLACK},
    {"&Options > Your &Color", 1, "&White", IDM_COLOR_WHITE},
    {"menu bar", 2, "&Help", kPopup},
    {"&Help", 0, "&Contents", IDM_HELP_CONTENTS},
    {"&Help", 1, "", kSeparator},
    {"&Help", 2, "&About Kivrano...", IDM_ABOUT},
};

struct FoundRow {
    std::string popup;
    int position;
    std::string caption;
    int command;
};

// The menu walked as a player opens it: each popup's entries, then the entries of its submenus.
static void ReadMenu(HMENU menu, const std::string& popup, std::vector<FoundRow>& rows) {
    int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; position++) {
        char caption[128] = "";
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        item.dwTypeData = caption;
        item.cch = sizeof caption;
        GetMenuItemInfoA(menu, position, TRUE, &item);
        int command = item.hSubMenu ? kPopup : (item.fType & MFT_SEPARATOR) ? kSeparator : (int)item.wID;
        rows.push_back({popup, position, caption, command});
        if (item.hSubMenu) {
            std::string path = popup == "menu bar" ? caption : popup + " > " + caption;
            ReadMenu(item.hSubMenu, path, rows);
        }
    }
}

static const char* CommandName(int command) {
    static char text[16];
    if (command == kPopup) return "a popup";
    if (command == kSeparator) return "a separator";
    snprintf(text, sizeof text, "command %d", command);
    return text;
}

static void CaptionsInOrder(HMENU bar) {
    std::vector<FoundRow> found;
    ReadMenu(bar, "menu bar", found);
    const size_t expected = sizeof kMenu / sizeof kMenu[0];
    ok(found.size() == expected, "menu entries: expected %d, got %d", (int)expected, (int)found.size());
    for (const MenuRow& want : kMenu) {
        const FoundRow* got = NULL;
        for (const FoundRow& row : found)
            if (row.popup == want.popup && row.position == want.position) got = &row;
        if (!got) {
            ok(false, "%s, position %d: expected \"%s\", got no entry", want.popup, want.position,
               want.caption);
            continue;
        }
        ok(got->caption == want.caption, "%s, position %d: caption expected \"%s\", got \"%s\"", want.popup,
           want.position, want.caption, got->caption.c_str());
        ok(got->command == want.command, "%s, position %d (\"%s\"): expected %s, got %s", want.popup,
           want.position, want.caption, CommandName(want.command), CommandName(got->command));
    }
}

// The letter after "&", lower case, or 0 when the caption has none.
static char Mnemonic(const std::string& caption) {
    size_t at = caption.find('&');
    return at == std::string::npos || at + 1 >= caption.size() ? 0 : (char)tolower(caption[at + 1]);
}

// In every popup each entry has a mnemonic, and no two entries share one, or Alt+letter would stop at
// the first and never reach the second.
static void MnemonicsUnique(HMENU bar) {
    std::vector<FoundRow> found;
    ReadMenu(bar, "menu bar", found);
    for (size_t i = 0; i < found.size(); i++) {
        if (found[i].command == kSeparator) continue;
        char letter = Mnemonic(found[i].caption);
        ok(letter != 0, "%s: \"%s\" expected a mnemonic, got none", found[i].popup.c_str(),
           found[i].caption.c_str());
        for (size_t j = i + 1; j < found.size(); j++) {
            if (found[j].popup != found[i].popup || found[j].command == kSeparator) continue;
            ok(Mnemonic(found[j].caption) != letter || letter == 0,
               "%s: \"%s\" and \"%s\" expected different mnemonics, got '%c' for both",
               found[i].popup.c_str(), found[i].caption.c_str(), found[j].caption.c_str(), letter);
        }
    }
}

int main() {
    HMENU bar = LoadMenuA(GetModuleHandleA(NULL), "Kivrano");
    ok(bar != NULL, "expected the menu resource Kivrano, got error %lu", GetLastError());
    if (bar) {
        CaptionsInOrder(bar);
        MnemonicsUnique(bar);
        DestroyMenu(bar);
    }
    return CheckSummary("menu_test");
}
