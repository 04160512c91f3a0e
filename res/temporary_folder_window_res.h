// Dialog and control ids of the temp-folder window (block 16000-16999).
#pragma once
#define IDD_TEMPFOLDER 16000
#define IDC_TMP_HEADING 16001
#define IDC_TMP_TEXT 16002
#define IDC_TMP_FOLDER 16003
#define IDC_TMP_ERROR 16004
#define IDC_TMP_BACK 16005
#define IDC_TMP_GOON 16006
