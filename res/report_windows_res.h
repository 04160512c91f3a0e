// Dialog and control ids of the status report, information, deletion progress and backup
// progress windows (blocks 12000 to 15000).
#pragma once
#define IDD_REPORT 12000
#define IDC_REP_TEXT 12001
#define IDC_REP_REMOVED 12002
#define IDC_REP_UNREMOVABLE 12003
#define IDC_REP_FREED 12004
#define IDC_REP_UNMARKED 12005
#define IDC_REP_SAVE 12006
#define IDC_REP_PRINT 12007
#define IDC_REP_BACK 12008
#define IDD_INFORMATION 13000
#define IDC_INF_LINE1 13001
#define IDC_INF_LINE2 13002
#define IDC_INF_FREED 13003
#define IDC_INF_BACK 13004
#define IDD_DELETING 14000
#define IDC_DEL_HEADING 14001
#define IDC_DEL_ANIMATION 14002
#define IDC_DEL_BAR 14003
#define IDC_DEL_PATH 14004
#define IDD_BACKUPPROGRESS 15000
#define IDC_BPR_WAIT 15001
#define IDC_BPR_FILE 15002
#define IDC_BPR_BAR 15003
#define IDC_BPR_ICON1 15004
#define IDC_BPR_ICON2 15005
