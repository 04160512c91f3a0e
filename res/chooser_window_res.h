// Dialog and control ids of the multi-clean chooser (block 5000-5999).
#pragma once
#define IDD_CHOOSER 5000
#define IDC_CHO_HEADING 5001
#define IDC_CHO_BOX1 5011  // 5011..5024
#define IDC_CHO_BACK 5030
#define IDC_CHO_GOON 5031
