// Dialog and control ids of the search progress window and the message window (blocks
// 10000 and 11000).
#pragma once
#define IDD_SEARCHPROGRESS 10000
#define IDC_SPR_CAPTION 10001
#define IDC_SPR_FOLDER 10002
#define IDC_SPR_ANIMATION 10003
#define IDC_SPR_CANCEL 10004
#define IDC_SPR_ICON1 10005
#define IDC_SPR_ICON2 10006
#define IDD_MESSAGE 11000
#define IDC_MSG_LINE1 11001
#define IDC_MSG_LINE2 11002
#define IDC_MSG_LINE3 11003
#define IDC_MSG_OK 11004
