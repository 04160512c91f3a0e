// Dialog and control ids of the browser window and the browser progress window (block
// 21000-21999).
#pragma once
#define IDD_BROWSER 21000
#define IDC_BRW_HEADING 21001
#define IDC_BRW_TEXT 21002
#define IDC_BRW_COOKIES 21003
#define IDC_BRW_HISTORY 21004
#define IDC_BRW_NOCACHE 21005
#define IDC_BRW_BACK 21006
#define IDC_BRW_GOON 21007
#define IDC_BRW_CONTINUE 21008
#define IDD_BROWSERPROGRESS 21100
#define IDC_BPG_NOW 21101
#define IDC_BPG_NAME 21102
#define IDC_BPG_FREED 21103
#define IDC_BPG_KB 21104
#define IDC_BPG_ANIMATION 21105
