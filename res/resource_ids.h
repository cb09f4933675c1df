// The names of the program's resources: the one place where their numbers are written.
//
// The resource script includes this file, and so do the system and the framework, which
// loads its own texts (the AFX_ names) from the same string table. It holds #defines only and
// includes nothing, so that both resource compilers (windres and rcpack) read it and every
// layer may use it.
#pragma once

// The selector panel.
#define IDD_REMOTE 30722

// The remote control's buttons; each pressed picture has the number below its normal one.
#define IDB_QUIT_PRESSED 261
#define IDB_QUIT 262
#define IDB_KEY1_PRESSED 263
#define IDB_KEY1 264
#define IDB_KEY2_PRESSED 265
#define IDB_KEY2 266
#define IDB_KEY3_PRESSED 267
#define IDB_KEY3 268
#define IDB_KEY4_PRESSED 269
#define IDB_KEY4 270

// The program icon.
#define IDI_CHANNELS 2

// The version record, under the number Windows looks for.
#define VS_VERSION_INFO 1

// The system's texts.
#define IDS_WINDOWS_TOO_OLD 238
#define IDS_VIDEO_WARNING 828
#define IDS_NOT_256_COLORS 829
#define IDS_NO_PALETTES 830

// The framework's texts: the application name and the reports of a failed message handler.
#define AFX_IDS_APP_TITLE 0xE000
#define AFX_IDP_INTERNAL_FAILURE 0xF108
#define AFX_IDP_COMMAND_FAILURE 0xF109
#define AFX_IDP_FAILED_MEMORY_ALLOC 0xF10A
