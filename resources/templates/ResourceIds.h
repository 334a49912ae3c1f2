#pragma once

namespace razzlewick {

// Resource numbers and control ids, named once so dialogs never repeat a bare number.

// Dialog templates, menus and strings
inline constexpr int IDD_MAIN = 102;
inline constexpr int IDD_OPTIONS = 103;
inline constexpr int IDD_STARTUP_PROBLEMS = 153;
inline constexpr int IDD_DATA_FILES = 160;
inline constexpr int IDD_FAVOURITES = 161;
inline constexpr int IDD_ABOUT_TEXT_PAGE = 2202;
inline constexpr int IDD_ABOUT = 2203;
inline constexpr int IDD_ABOUT_MAKER_PAGE = 2205;
inline constexpr int IDR_MAIN_MENU = 154;
inline constexpr int IDS_ABOUTBOX = 101;

// Pictures
inline constexpr int IDI_PROGRAM = 128;
inline constexpr int IDB_MODERN = 138;
inline constexpr int IDB_ARABIAN = 148;
inline constexpr int IDB_SHAKESPEAREAN = 151;
inline constexpr int IDB_MEDITERRANEAN = 156;
inline constexpr int IDB_OWN_STYLE = 157;  // a style of the user's without a picture of its own
inline constexpr int IDB_MAKER_LOGO = 2201;

// Common
inline constexpr int IDC_STATIC = -1;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Main window (102)
inline constexpr int IDC_AGAIN = 1003;
inline constexpr int IDC_COPY = 1007;
inline constexpr int IDC_STYLE_TABS = 1010;
inline constexpr int IDC_ABOUT = 1011;
inline constexpr int IDC_PICTURE = 1012;
inline constexpr int IDC_INSULT_TEXT = 1020;
inline constexpr int IDC_COMBINATIONS = 1021;
inline constexpr int IDC_UNDO = 1027;
inline constexpr int IDC_REDO = 1028;
inline constexpr int IDC_FRAME = 1044;

// Options (103)
inline constexpr int IDC_COUNT = 1017;
inline constexpr int IDC_COUNT_SPIN = 1018;
inline constexpr int IDC_CAPITALISE = 1019;
inline constexpr int IDC_ON_TOP = 1022;
inline constexpr int IDC_LEVEL = 1023;
inline constexpr int IDC_TOOLTIPS = 1029;
inline constexpr int IDC_AUTOCOPY = 1032;
inline constexpr int IDC_COUNT_LABEL = 1034;

// Start-up problems (153)
inline constexpr int IDC_REPORT = 1030;
inline constexpr int IDC_TRY_AGAIN = 1031;

// Data files (160)
inline constexpr int IDC_DATA_REPORT = 1050;
inline constexpr int IDC_COPY_REPORT = 1051;
inline constexpr int IDC_OPEN_STYLES_FOLDER = 1052;
inline constexpr int IDC_RELOAD_DATA = 1053;

// Favourites (161)
inline constexpr int IDC_FAVOURITES_FILTER_LABEL = 1060;
inline constexpr int IDC_FAVOURITES_FILTER = 1061;
inline constexpr int IDC_FAVOURITES_LIST = 1062;
inline constexpr int IDC_FAVOURITES_STATUS = 1063;
inline constexpr int IDC_COPY_FAVOURITES = 1064;
inline constexpr int IDC_REMOVE_FAVOURITES = 1065;
inline constexpr int IDC_UNDO_REMOVE = 1066;
inline constexpr int IDC_OPEN_FAVOURITES_FOLDER = 1067;

// About box (2203) and its pages (2202, 2205)
inline constexpr int IDC_ABOUT_TABS = 2206;
inline constexpr int IDC_MAKER_LOGO = 2207;
inline constexpr int IDC_MAKER_CAPTION = 2208;
inline constexpr int IDC_ABOUT_VERSION = 2210;
inline constexpr int IDC_ABOUT_ICON = 2211;
inline constexpr int IDC_WEB_PAGE = 2213;
inline constexpr int IDC_MAIL_US = 2214;
inline constexpr int IDC_READ_DOCS = 2216;
inline constexpr int IDC_PAGE_TEXT = 2228;
inline constexpr int IDC_MAKER_LINK = 2231;

// Menu 154 commands
inline constexpr int ID_OPTIONS_PREFERENCES = 32771;
inline constexpr int ID_HELP_MAIL = 32772;
inline constexpr int ID_HELP_WEB_PAGE = 32773;
inline constexpr int ID_HELP_DOCUMENTATION = 32774;
inline constexpr int ID_FILE_EXIT = 32775;
inline constexpr int ID_HELP_ABOUT = 32784;
inline constexpr int ID_HELP_DATA_FILES = 32785;
inline constexpr int ID_FILE_KEEP = 32786;
inline constexpr int ID_FILE_FAVOURITES = 32787;

// The About item of the window menu
inline constexpr int IDM_ABOUTBOX = 16;

}  // namespace razzlewick
