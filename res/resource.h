// Resource identifiers, grouped by kind. The resources themselves are named
// by string: the menu and the icon "KIVRANO", the dialogs "AboutBox" and
// "SsangsamBox".
#pragma once

// Menu commands: "&Game"
#define IDM_NEW_GAME 101
#define IDM_UNDO 102
#define IDM_REDO 103
#define IDM_EXIT 104
// "&Options": radio groups, toggles, sizes
#define IDM_LEVEL_MAN 105
#define IDM_LEVEL_GOD 106
#define IDM_SPEED_FAST 107
#define IDM_SPEED_SLOW 108
#define IDM_ENABLE_3X3 109
#define IDM_SIZE_TINY 110
#define IDM_SIZE_SMALL 111
#define IDM_SIZE_MEDIUM 112
#define IDM_SIZE_LARGE 113
#define IDM_SIZE_HUGE 114
#define IDM_SIZE_FREE 115
#define IDM_CONTINUOUS_PLAY 116
#define IDM_MARK_PREVIOUS 117
#define IDM_SOUND 118
#define IDM_STATUS_BAR 119
#define IDM_COMPUTER_VS_PERSON 120
#define IDM_COLOR_BLACK 121
#define IDM_COLOR_WHITE 122
// "&Help"
#define IDM_HELP_CONTENTS 123
#define IDM_ABOUT 124

// Dialog controls: the texts and the icon are never addressed; the OK
// buttons are IDOK.
#define IDC_STATIC -1
