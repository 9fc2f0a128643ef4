// Resource and control identifiers of varuno. The main window's title and
// its control identifiers are read by the guide program Corvid: they are an
// outside interface and must not change.
#pragma once

// Dialog templates
#define IDD_ABOUT 100
#define IDD_MAIN 102
#define IDD_SETTINGS 121
#define IDD_KIND_PANEL 165
#define IDD_FAVOURITES 166
#define IDD_SEARCH 168

// Icons, cursor, pictures, menus
#define IDI_PROGRAM 103
#define IDI_PROGRAM_SMALL 135
#define IDR_HAND_CURSOR 119
#define IDB_HEADER 157
#define IDM_SETTINGS_MENU 136
#define IDM_HELP_MENU 137

// Main window controls
#define IDC_LIST_A_BEFORE 4000
#define IDC_LIST_A_AFTER 4001
#define IDC_LIST_B_BEFORE 4002
#define IDC_LIST_B_AFTER 4003
#define IDC_INPUT_A 4004
#define IDC_OUTPUT_A 4005
#define IDC_INPUT_B 4006
#define IDC_OUTPUT_B 4007
#define IDC_CONVERT_A 1034
#define IDC_CONVERT_B 1037
#define IDC_ZOOM 1014
#define IDC_COPY 1029
#define IDC_SETTINGS_BUTTON 1030
#define IDC_PROGRAM_ICON 1038
#define IDC_FRAME_A 1040
#define IDC_FRAME_B 1041
#define IDC_DECOR_LINE 1042
#define IDC_INDICATOR 1043
#define IDC_STATUS 1100
#define IDC_NO_ROLE 9999

// Function-button pictures: control id; each shows bitmap id - 4500, but
// court B's switch shows court A's bitmaps.
#define IDC_BTN_CLOSE 5000
#define IDC_BTN_MINIMISE 5008
#define IDC_BTN_TOPMOST 5012
#define IDC_BTN_HELP 5016
#define IDC_BTN_ABOUT 5020
#define IDC_BTN_KIND 5024
#define IDC_BTN_FAVOURITES 5028
#define IDC_LIVE_A_ON 5032
#define IDC_LIVE_A_OFF 5036
#define IDC_LIVE_B_ON 5040
#define IDC_LIVE_B_OFF 5044

// Kind panel
#define IDC_KIND_PLACE 1108
#define IDC_PANEL_OK 1051
#define IDC_PANEL_CANCEL 1052
#define IDC_PANEL_SEARCH 1056
#define IDC_BALLOON_BODY 1053
#define IDC_BALLOON_TAIL 1054
#define IDC_KIND_LIST 1055

// Menu commands
#define IDM_SETTINGS 32773
#define IDM_SEARCH 40009
#define IDM_PLACE_CENTRE 40007
#define IDM_PLACE_TOP_LEFT 40008
#define IDM_PLACE_BOTTOM_LEFT 40014
#define IDM_PLACE_TOP_RIGHT 40013
#define IDM_PLACE_BOTTOM_RIGHT 40012
#define IDM_ABOUT 32793
#define IDM_HELP 40001
#define IDM_GUIDE 40010
#define IDM_CLOSE_MENU 40005

// Keyboard shortcuts of the main window (accelerator table IDA_MAIN): the
// commands of the picture buttons, which a keyboard cannot reach otherwise,
// beside the menu commands above.
#define IDA_MAIN 139
#define IDM_KIND_PANEL 40101
#define IDM_FAVOURITES 40102
#define IDM_TOPMOST 40103
#define IDM_MINIMISE 40104
#define IDM_LIVE 40105

// The function-button report (WM_APP + 200)
#define WM_NVBTN 32968

// Favourites (the balloon markers are the kind panel's 1053 and 1054)
#define IDC_FAV_ADD 1078
#define IDC_FAV_LIST 1056
#define IDC_FAV_RECONVERT 1076
#define IDC_FAV_CANCEL 1077

// Settings: radio buttons 20200 ... 20213 (one group per setting)
#define IDC_SET_ZOOM_BOTH 20200
#define IDC_SET_ZOOM_AFTER 20201
#define IDC_SET_EXP_E 20202
#define IDC_SET_EXP_POWER 20203
#define IDC_SET_EXP_HTML 20204
#define IDC_SET_EXP_NONE 20205
#define IDC_SET_SORT_STORAGE 20206
#define IDC_SET_SORT_SYMBOL_UP 20207
#define IDC_SET_SORT_SYMBOL_DOWN 20208
#define IDC_SET_SORT_RATE_UP 20209
#define IDC_SET_SORT_RATE_DOWN 20210
#define IDC_SET_WIDEN_DROPDOWN 20211
#define IDC_SET_WIDEN_DOUBLECLICK 20212
#define IDC_SET_WIDEN_OFF 20213
#define IDC_SET_SPEED_EDIT 20300
#define IDC_SET_SPEED_BAR 20800
#define IDC_SET_DECOR 1107
#define IDC_SET_SAMPLE 1105
#define IDC_SET_OK 20000
#define IDC_SET_CANCEL 20001
#define IDC_SET_RESET 20002
#define IDC_SET_GROUP_ZOOM 20600
#define IDC_SET_GROUP_CONTENT 20601
#define IDC_SET_GROUP_EXPONENT 20602
#define IDC_SET_GROUP_STATUS 20603
#define IDC_SET_GROUP_SPEED 20604
#define IDC_SET_GROUP_LISTS 20605
#define IDC_SET_GROUP_SORT 20606
#define IDC_SET_GROUP_WIDEN 20607
#define IDC_SET_GROUP_DECOR 20608

// Unit search
#define IDC_SEARCH_TEXT 1075
#define IDC_SEARCH_RUN 1071
#define IDC_SEARCH_CLOSE 1052
#define IDC_SEARCH_RESET 1057
#define IDC_SEARCH_KINDS 1063
#define IDC_SEARCH_ALL_KINDS 1054
#define IDC_SEARCH_NO_KINDS 1055
#define IDC_SEARCH_NAME 4010
#define IDC_SEARCH_SYMBOL 4011
#define IDC_SEARCH_COUNTRY 4012
#define IDC_SEARCH_AUX 4013
#define IDC_SEARCH_REMARK 4014
#define IDC_SEARCH_CASE 4015
#define IDC_SEARCH_WHOLE 4016
#define IDC_SEARCH_COUNTER 1106
#define IDC_SEARCH_RESULTS 1073

// About box
#define IDC_ABOUT_VERSION 1010
#define IDC_ABOUT_MAIL 1006
#define IDC_ABOUT_HOME 1011
