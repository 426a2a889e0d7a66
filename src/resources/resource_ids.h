// Resource and control ids. Shared by drawlot.rc and the C++ sources, so only plain #defines.
// Grouped by window or dialog; each group notes the range its ids take.
// IDM_ are menu items, IDT_ toolbar buttons, TIMER_ the ids windows give SetTimer.
#pragma once

// ---- Application resources ------------------------------------------------------------------
#define IDB_TOOLBAR 3         // the toolbar strip: 17 pictures of 32 x 32
#define IDI_DRAWLOT 12        // window icon, large
#define IDI_DRAWLOT_SMALL 13  // window icon, small
#define IDR_MAIN_MENU 13      // the main window's menu bar
#define IDI_DXF_ROW 300       // row icon of DXF drawings (image list index 0)
#define IDI_DWG_ROW 301       // row icon of DWG drawings (image list index 1)

// ---- Main window: child controls (1, 300, 310 - 311, 329) -------------------------------------
#define IDC_STATUS_BAR 1
#define IDC_DRAWING_LIST 300
#define IDC_PREVIEW_PICTURE 310  // the preview pane's picture, owner-drawn
#define IDC_PREVIEW_TEXT 311     // the line under it: format, size and date
#define IDC_TOOLBAR 329

// ---- Main window: toolbar buttons (330 - 346); the bar shows them in the order of their pictures
#define IDT_CHOOSE_FOLDERS 330
#define IDT_DWG_TREE 331
#define IDT_DWG_FOLDER 332
#define IDT_DXF_FOLDER 333
#define IDT_DWG_FILE 334
#define IDT_DELETE_ROWS 335
#define IDT_RUN_SCRIPT 336
#define IDT_PRINTERS 337
#define IDT_INITIAL_VALUES 338
#define IDT_EDIT_ROW 339
#define IDT_COPY_ROW 340
#define IDT_PASTE_ROW 341
#define IDT_EDIT_COLUMN 342
#define IDT_MOVE_DOWN 343
#define IDT_MOVE_UP 344
#define IDT_HELP 345
#define IDT_QUIT 346

// ---- Main window: menu commands (27 - 53, 37826 - 37857) --------------------------------------
#define IDM_QUIT 27
#define IDM_DELETE_SELECTED 32
#define IDM_DELETE_ALL 34
#define IDM_ENVIRONMENT 41
#define IDM_HELP 51
#define IDM_HOME_PAGE 52
#define IDM_ABOUT 53
#define IDM_INITIAL_VALUES 37826
#define IDM_DWG_FOLDER 37827
#define IDM_CLEAR_MARKS 37828
#define IDM_DXF_FOLDER 37829
#define IDM_RUN_SELECTED 37830
#define IDM_PRINTERS 37831
#define IDM_RUN_ALL 37832
#define IDM_EDIT_ROW 37833
#define IDM_EDIT_COLUMN 37834
#define IDM_EDIT_SCRIPT 37835
#define IDM_MARK_ALL 37836
#define IDM_DXF_TREE 37837
#define IDM_DWG_TREE 37838
#define IDM_SEARCH_DISKS 37839
#define IDM_PASTE_ROW 37840
#define IDM_COPY_ROW 37841
#define IDM_CHOOSE_FOLDERS 37842
#define IDM_SCRIPT_SETTINGS 37843
#define IDM_DWG_FILE 37844
#define IDM_DXF_FILE 37845
#define IDM_RUN_PER_ROW 37846
#define IDM_APPLY_NAME_RULES 37847
#define IDM_NAME_RULE_SETTINGS 37848
#define IDM_SAVE_LIST 37849
#define IDM_LOAD_LIST 37850
#define IDM_RUN_TIMED 37851
#define IDM_SAVE_SCRIPT_ALL 37852
#define IDM_SAVE_SCRIPT_SELECTED 37853
#define IDM_SEARCH_LIST 37857

// ---- Main window: in-place cell editor controls (951, 952) and timers (1 - 3) -----------------
#define IDC_CELL_EDIT_BOX 951
#define IDC_CELL_SELECT_BOX 952
#define TIMER_CELL_COMMIT 1
#define TIMER_RUN_PAUSE 2
#define TIMER_START_PRINTERS 3  // the start-up's printer worker starts once the window is idle

// ---- Searching window (dialog 7: statics 101 - 103) -------------------------------------------
#define IDD_SEARCHING 7
#define IDC_SEARCHING_TITLE 101
#define IDC_SEARCHING_WAIT 102
#define IDC_SEARCHING_DURATION 103

// ---- Search dialog (dialog 8: controls 102, 103) ----------------------------------------------
#define IDD_SEARCH 8
#define IDC_SEARCH_START 102
#define IDC_SEARCH_TEXT 103

// ---- Folder-selection dialog (dialog 9: controls 101 - 106, 173, 174, 904; icons 310 - 316) ---
#define IDD_FOLDER_SELECTION 9
#define IDC_FOLDER_KIND_DWG 101
#define IDC_FOLDER_KIND_LABEL 104
#define IDC_FOLDER_LOAD 105
#define IDC_FOLDER_CURRENT 106
#define IDC_FOLDER_KIND_DXF 173
#define IDC_FOLDER_KIND_BOTH 174
#define IDC_FOLDER_LIST 904
#define IDI_FOLDER_DOT_NAME 310   // image 0: a name beginning with "."
#define IDI_FOLDER_PLAIN 311      // image 1: any other folder entry
#define IDI_FOLDER_FIXED 312      // image 2: a fixed drive
#define IDI_FOLDER_CDROM 313      // image 3: a CD-ROM drive
#define IDI_FOLDER_REMOVABLE 314  // image 4: a removable drive
#define IDI_FOLDER_NETWORK 315    // image 5: a network drive
#define IDI_FOLDER_RAMDISK 316    // image 6: a RAM disk

// ---- Script settings dialog (dialog 3: controls 103, 117 - 119, 164) ---------------------------
#define IDD_SCRIPT_SETTINGS 3
#define IDC_SCRIPT_DETAILS 103
#define IDC_SCRIPT_OK 117
#define IDC_SCRIPT_CANCEL 118
#define IDC_SCRIPT_HELP 119
#define IDC_SCRIPT_SET_CHOICE 164

// ---- Script detail settings dialog (dialog 13: controls 101 - 140, 902) -----------------------
#define IDD_SCRIPT_DETAILS 13
#define IDC_DETAIL_ITEM_TITLE 101
#define IDC_DETAIL_WIDTH 102
#define IDC_DETAIL_DELETE 103
#define IDC_DETAIL_SELECT1 104
#define IDC_DETAIL_CLOSE 105
#define IDC_DETAIL_ITEM_PRESENT 106
#define IDC_DETAIL_HELP 107
#define IDC_DETAIL_SELECT2 108
#define IDC_DETAIL_SET_TITLE 109
#define IDC_DETAIL_SELECT3 110
#define IDC_DETAIL_SELECT4 111
#define IDC_DETAIL_SELECT5 112
#define IDC_DETAIL_INITIAL_VALUE 113
#define IDC_DETAIL_SET_NUMBER 114
#define IDC_DETAIL_OUTPUT_MODE 115
#define IDC_DETAIL_PREVIOUS_SET 116
#define IDC_DETAIL_NEXT_SET 117
#define IDC_DETAIL_TITLE_LABEL 118
#define IDC_DETAIL_OUTPUT_LABEL 119
#define IDC_DETAIL_WIDTH_LABEL 120
#define IDC_DETAIL_EDIT_LABEL 121
#define IDC_DETAIL_SELECT_LABEL 122
#define IDC_DETAIL_SET_PRESENT 123
#define IDC_DETAIL_EDIT_MODE 124
#define IDC_DETAIL_SET_TITLE_LABEL 125
#define IDC_DETAIL_ADD 126
#define IDC_DETAIL_REWRITE 127
#define IDC_DETAIL_READ 128
#define IDC_DETAIL_COMMAND 129
#define IDC_DETAIL_INITIAL_LABEL 130
#define IDC_DETAIL_COMMAND_LABEL 131
#define IDC_DETAIL_DISPLAY_MODE 132
#define IDC_DETAIL_DISPLAY_LABEL 133
#define IDC_DETAIL_COPY_SET 134
#define IDC_DETAIL_PASTE_SET 135
#define IDC_DETAIL_CLEAR_SET 136
#define IDC_DETAIL_LOAD_PARTIAL 137
#define IDC_DETAIL_MOVE_UP 138
#define IDC_DETAIL_MOVE_DOWN 139
#define IDC_DETAIL_SAVE_PARTIAL 140
#define IDC_DETAIL_ITEM_LIST 902

// ---- About dialog (dialog 1: controls 101 - 103, 111; bitmap 351) -----------------------------
#define IDD_ABOUT 1
#define IDC_ABOUT_ADDRESS 101
#define IDC_ABOUT_CREDIT_1 102
#define IDC_ABOUT_CREDIT_2 103
#define IDC_ABOUT_OK 111
#define IDB_ABOUT 351

// ---- Environment settings dialog (dialog 2: controls 101 - 119, 144) --------------------------
#define IDD_ENVIRONMENT 2
#define IDC_ENV_IMPORTANT_GROUP 101
#define IDC_ENV_AUTOCAD_FILE 102
#define IDC_ENV_PROHIBITED_LIST 103
#define IDC_ENV_PROHIBITED_DELETE 104
#define IDC_ENV_PROHIBITED_TEXT 105
#define IDC_ENV_TEMP_FILE 106
#define IDC_ENV_PROHIBITED_LABEL 107
#define IDC_ENV_END_FILE 108
#define IDC_ENV_PROHIBITED_ADD 109
#define IDC_ENV_PROHIBITED_GROUP 110
#define IDC_ENV_PAPER_GROUP 111
#define IDC_ENV_PAPER_AB 112
#define IDC_ENV_BROWSE_AUTOCAD 114
#define IDC_ENV_BROWSE_TEMP 115
#define IDC_ENV_BROWSE_END 116
#define IDC_ENV_OK 117
#define IDC_ENV_CANCEL 118
#define IDC_ENV_HELP 119
#define IDC_ENV_DETECT 144

// ---- Printer and paper dialog (dialog 5: list view 902, made when it opens) -------------------
#define IDD_PRINTERS 5
#define IDC_PRINTER_LIST 902

// ---- Edit dialog (dialog 6: buttons 111 - 113; controls 500 + item and 1500 + item, made when
// it opens; timer 1) ------------------------------------------------------------------------------
#define IDD_EDIT 6
#define IDC_EDIT_OK 111
#define IDC_EDIT_CANCEL 112
#define IDC_EDIT_HELP 113
#define TIMER_EDIT_PRINTER_CHECK 1

// ---- File-name rules dialog (dialog 12: controls 101 - 139; timer 1) ----------------------------
// The rule controls are listed in core/list/file_name_rules_form.h.
#define IDD_NAME_RULES 12
#define IDC_RULES_OK 103
#define TIMER_RULES_PAPER_REFRESH 1

// ---- Runs a user can follow (menu items 38000 - 38001; progress window, dialog 60: controls
// 38010 - 38015, timer 1; run settings, dialog 61: controls 38020 - 38027) --------------------
#define IDM_RUN_SETTINGS 38000
#define IDM_OPEN_RUN_RECORD 38001
#define IDD_RUN_PROGRESS 60
#define IDC_RUN_ROW 38010
#define IDC_RUN_FILE 38011
#define IDC_RUN_TIME 38012
#define IDC_RUN_BAR 38013
#define IDC_RUN_STOP 38014
#define IDC_RUN_STARTS 38015
#define TIMER_RUN_CLOCK 1
#define IDD_RUN_SETTINGS 61
#define IDC_RUN_LIMIT 38020
#define IDC_RUN_LIMIT_LABEL 38021
#define IDC_RUN_CHECK_MISSING 38022
#define IDC_RUN_RECORD 38023
#define IDC_RUN_OK 38024
#define IDC_RUN_CANCEL 38025
#define IDC_RUN_HELP 38026
#define IDC_RUN_LIMIT_UNIT 38027
#define IDC_RUN_BATCH_GROUP 38028
#define IDC_RUN_PER_START 38029
#define IDC_RUN_PER_START_LABEL 38030
#define IDC_RUN_PER_START_UNIT 38031
#define IDC_RUN_PARALLEL 38032
#define IDC_RUN_PARALLEL_LABEL 38033
#define IDC_RUN_PARALLEL_UNIT 38034

// ---- List keys and undo (38100 - 38199) -------------------------------------------------------
// The keys of the list are an accelerator table made at start from the table in
// win/app/main_keys.cpp; the menu items show their keys after a tab.
#define IDM_UNDO 38100  // "元に戻す(&U)" at the end of the 編集 menu
#define IDM_SELECT_CHANGED 38101  // "前回の印刷後に変更された図面を選択(&R)", after it

// ---- The preview pane (38200 - 38299; its controls are the main window's 310 and 311) -----------
#define IDM_PREVIEW 38200  // "プレビュー", after a separator at the end of the 編集 menu
