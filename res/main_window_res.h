// Dialog and control ids of the main window (block 1000-1999).
#pragma once
#define IDD_MAIN 1000
#define IDC_MAIN_SIDE1 1001  // side buttons 1001..1005
#define IDC_MAIN_LASTSCAN_CAPTION 1011
#define IDC_MAIN_LASTSCAN 1012
#define IDC_MAIN_LASTUPDATE_CAPTION 1013
#define IDC_MAIN_LASTUPDATE 1014
#define IDC_MAIN_AUTOUPDATE 1015
#define IDC_MAIN_AUTOUPDATE_LABEL 1016
#define IDC_MAIN_CHECKUPDATES 1017
#define IDC_MAIN_WELCOME 1018
#define IDC_MAIN_CLEAN1 1021  // page "clean the system" 1021..1026
#define IDC_MAIN_TIDY1 1031   // page "tidy the system" 1031..1036
#define IDC_MAIN_MISC1 1041   // page "miscellaneous" 1041..1045
#define IDC_MAIN_BACKUP 1051
#define IDC_MAIN_OPTIONS 1052
#define IDC_MAIN_INFO 1053
#define IDC_MAIN_HELP 1054
#define IDC_MAIN_DOCS 1055
#define IDC_MAIN_HOMEPAGE 1056
#define IDC_MAIN_FEEDBACK 1057
#define IDC_MAIN_DRIVEFRAME 1058
#define IDC_MAIN_DRIVECHECK1 1060  // 1060..1069
#define IDC_MAIN_DRIVELABEL1 1070  // 1070..1079
#define IDC_MAIN_DRIVELIST 1080
#define IDC_MAIN_MARK1 1101  // done-mark pictures 1101..1114
#define IDC_MAIN_BAND 22000  // the tool band with the page title
