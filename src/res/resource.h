// Resource ids of Gromble: templates, controls, images, menus, commands and strings.
#pragma once

// Dialog templates
#define IDD_GROMBLE_DIALOG 102
#define IDD_ABOUTBOX 133
#define IDD_FONTEDITOR 141

// Images, menus and the bottom bar
#define IDR_MAINFRAME 128   // program icon, and the main window's keys
#define IDB_MARKS 129       // eight 16 x 16 row marks, white is transparent
#define IDB_BACKGROUND 130  // 640 x 100 gradient behind the entry panel
#define IDR_MENUBAR 132     // menu and menu-bar layout record
#define IDR_ITEMMENU 134    // the pop-up shown on a row
#define IDR_TOOLBAR 135     // tool bar and its 64 x 15 image strip
#define IDI_ADD 137         // the word Add
#define IDI_EDIT 138        // the word Edit
#define IDR_HELP_PAGE 142   // the help page, an HTML resource

// The bitmaps above are drawn for 96 DPI (100 %); each is drawn again for larger
// screens, under its id plus one of these (IDB_MARKS + IMAGE_SCALE_150 is the
// 24 x 24 marks). framework/ImageScale.h picks the scale for a DPI. The icons
// carry all their sizes in one resource each instead: 32, 40, 48 and 64 pixels
// for IDI_ADD and IDI_EDIT, 16 to 64 for IDR_MAINFRAME.
#define IMAGE_SCALE_125 2000  // marks 20 x 20, tool bar 20 x 19, background 800 x 125
#define IMAGE_SCALE_150 3000  // marks 24 x 24, tool bar 24 x 23, background 960 x 150
#define IMAGE_SCALE_200 4000  // marks 32 x 32, tool bar 32 x 30, background 1280 x 200

// Main window controls
#define IDC_ITEM 1001
#define IDC_ADD 1002
#define IDC_LOCATION 1003
#define IDC_PRICE 1004
#define IDC_LIST 1006
#define IDC_QT 1007
#define IDC_ITEM_LABEL 1009
#define IDC_LOCATION_LABEL 1010
#define IDC_PRICE_LABEL 1011

// Font editor controls
#define IDC_FONT_FACE 1013
#define IDC_FONT_SIZE 1014
#define IDC_FONT_ANTIALIASED 1015
#define IDC_FONT_BOLD 1016
#define IDC_FONT_ITALIC 1017
#define IDC_FONT_UNDERLINE 1018
#define IDC_FONT_PREVIEW 1019

// Commands
#define ID_MENU_BUTTON 32771
#define IDS_MENU 32773
#define ID_FILE_EXIT 32774
#define ID_FILE_OPEN 32775
#define ID_FILE_SAVE 32776
#define ID_HELP_ABOUT 32777
#define ID_FILE_ATTACH 32778
#define ID_FILE_NEW 32779
#define ID_ITEM_CHECK 32783
#define ID_ITEM_EDIT 32784
#define ID_ITEM_DELETE 32788
#define ID_ITEM_UP 32799
#define ID_ITEM_DOWN 32800
#define ID_ITEM_TOP 32802
#define ID_ITEM_BOTTOM 32803
#define ID_ITEM_SPECIAL 32804
#define ID_OPTIONS_BUTTON 32808
#define IDS_OPTIONS 32810
#define ID_OPTIONS_TOGGLE_HEADERS 32820
#define ID_HELP_HELP 32821
#define ID_EXPORT_HTML 32827
#define ID_EXPORT_TEXT 32828
#define ID_OPTIONS_LIST_FONT 32830
#define ID_ITEM_MENU 32831  // opens the item menu at the focused row: keys only, on no menu
#define ID_OPTIONS_DATA_FOLDER 32832
#define ID_EDIT_UNDO 32833
#define ID_EDIT_REDO 32834
