// Resource and control identifiers of the guide program Corvid. The balloon
// buttons' identifiers are also the tour's button codes (corvid/tour.h).
#pragma once

// Dialog templates
#define IDD_SPLASH 105
#define IDD_CHARACTER 165
#define IDD_BALLOON 166
#define IDD_EXIT_BALLOON 167
#define IDD_LABEL 168

// Pictures and the icon
#define IDB_CHARACTER 105
#define IDB_DECORATION 109
#define IDI_CORVID 103

// Balloon controls: the body and the tail (geometry only, never shown), and
// the buttons.
#define IDC_BALLOON_BODY 1053
#define IDC_BALLOON_TAIL 1054
#define IDC_BALLOON_OK 1000
#define IDC_BALLOON_CANCEL 1001
#define IDC_BALLOON_YES 1002
#define IDC_BALLOON_NO 1003
#define IDC_BALLOON_QUIT 1004
#define IDC_BALLOON_NEXT 1005
#define IDC_BALLOON_PREVIOUS 1006
