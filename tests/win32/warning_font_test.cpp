// The double-three warning says its only words in Korean, so it must draw real Hangul on a Windows of any
// language, not the boxes of a font without Hangul. Each of its five syllables is drawn alone, black on
// white, in the font the dialog gives its text (none: the System font); each must leave ink and a picture
// of its own, as a font without the letters draws one and the same missing-glyph box for all five.
//
// The rig links fonts as a Windows outside Korea does (link_korean_font in scripts/wine-desktop.sh): the
// face of "MS Shell Dlg 2" reaches a Korean font, the System font has no Hangul.
#include <windows.h>

#include <string.h>

#include <string>
#include <vector>

#include "app/dialogs.h"
#include "paint_canvas.h"
#include "win32_check.h"

// The syllable drawn at the top left of a canvas in the font (NULL: the DC's own, the System font).
static std::vector<DWORD> Drawn(HFONT font, wchar_t syllable) {
    Canvas canvas = CreateCanvas(64, 32);
    FillCanvas(canvas, 0xFFFFFF);
    HGDIOBJ previous = font ? SelectObject(canvas.dc, font) : NULL;
    SetBkMode(canvas.dc, TRANSPARENT);
    SetTextColor(canvas.dc, RGB(0, 0, 0));
    TextOutW(canvas.dc, 0, 0, &syllable, 1);
    if (font) SelectObject(canvas.dc, previous);
    GdiFlush();
    std::vector<DWORD> pixels(canvas.pixels, canvas.pixels + canvas.width * canvas.height);
    DestroyCanvas(canvas);
    return pixels;
}

static int InkPixels(const std::vector<DWORD>& pixels) {
    int ink = 0;
    for (DWORD pixel : pixels) ink += (pixel & 0xFFFFFF) != 0xFFFFFF;
    return ink;
}

int main() {
    HWND warning = CreateDialogParamW(GetModuleHandleW(NULL), L"SsangsamBox", NULL, DialogProc, 0);
    ok(warning != NULL, "expected the SsangsamBox dialog to open, got error %lu", GetLastError());
    if (warning == NULL) return CheckSummary("warning_font");
    HWND text = GetWindow(GetDlgItem(warning, IDOK), GW_HWNDPREV);
    wchar_t words[32] = L"";
    GetWindowTextW(text, words, 32);
    ok(wcscmp(words, L"\uC30D \uC0BC \uC785 \uB2C8 \uB2E4") == 0, "expected the text 쌍 삼 입 니 다");
    // Only OK closes it: no system menu, so no close box.
    ok(!(GetWindowLongW(warning, GWL_STYLE) & WS_SYSMENU), "expected no system menu (close box), got one");

    HFONT font = (HFONT)SendMessageW(text, WM_GETFONT, 0, 0);
    LOGFONTW asked = {};
    if (font) GetObjectW(font, sizeof asked, &asked);
    char face[LF_FACESIZE * 3] = "System";
    if (font) WideCharToMultiByte(CP_UTF8, 0, asked.lfFaceName, -1, face, sizeof face, NULL, NULL);
    printf("warning_font: the text's font is \"%s\"\n", face);

    std::vector<std::vector<DWORD>> pictures;
    std::vector<wchar_t> drawn;
    for (const wchar_t* letter = words; *letter; letter++) {
        if (*letter == L' ') continue;
        std::vector<DWORD> picture = Drawn(font, *letter);
        const int number = (int)drawn.size() + 1;
        ok(InkPixels(picture) > 0, "syllable %d (U+%04X) in \"%s\": expected ink, got a blank", number,
           (unsigned)*letter, face);
        size_t same = 0;
        while (same < pictures.size() && pictures[same] != picture) same++;
        ok(same == pictures.size(),
           "syllable %d (U+%04X) in \"%s\": expected a picture of its own, got that of syllable %d (U+%04X): "
           "a missing-glyph box", number, (unsigned)*letter, face, (int)same + 1,
           same < drawn.size() ? (unsigned)drawn[same] : 0u);
        pictures.push_back(picture);
        drawn.push_back(*letter);
    }
    ok(drawn.size() == 5, "expected 5 syllables, got %d", (int)drawn.size());
    // A click on the text closes nothing; Esc (IDCANCEL) closes it as OK does.
    ShowWindow(warning, SW_SHOW);
    SendMessageW(warning, WM_COMMAND, 0xFFFF, 0);
    ok(IsWindowVisible(warning), "after WM_COMMAND from the text: expected the warning open, got closed");
    SendMessageW(warning, WM_COMMAND, IDCANCEL, 0);
    ok(!IsWindowVisible(warning), "after WM_COMMAND IDCANCEL (Esc): expected the warning closed, got open");
    DestroyWindow(warning);
    return CheckSummary("warning_font");
}
