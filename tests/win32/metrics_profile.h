// The window metrics of the rig a test runs on, named by KIVRANO_METRICS (tests/win32/wine-rig.sh), and
// what the game's window measures under them, as measured under Wine: "classic", Wine's own defaults, for
// which the sizes were first made; "themed", a themed Windows' at 96 DPI (caption 23, menu bar 20 and
// padded border 4 pixels in the registry).
#pragma once

#include <stdlib.h>
#include <string.h>

struct MetricsProfile {
    const char* name;
    int captionHeight;    // SM_CYCAPTION: the caption and the line below it
    int menuHeight;       // SM_CYMENU: the menu bar and the line below it
    int statusBarHeight;  // the status bar control's own height
    int outerWidth[5];    // the window's outer width at Tiny .. Huge
    int outerHeight[5];   // and its outer height with the status bar; the bar's height less without it
};

const MetricsProfile kClassicProfile = {
    "classic", 19, 19, 20, {354, 470, 586, 702, 818}, {412, 528, 644, 760, 876}};
const MetricsProfile kThemedProfile = {
    "themed", 24, 21, 24, {354, 470, 586, 702, 818}, {423, 539, 655, 771, 887}};

// Classic unless the rig says themed.
inline const MetricsProfile& RigProfile() {
    const char* name = getenv("KIVRANO_METRICS");
    return name != NULL && strcmp(name, "themed") == 0 ? kThemedProfile : kClassicProfile;
}
