#pragma once
// Numbers of the program's resources, shared by the resource script and the code.

#define IDD_MAIN 1000
#define IDI_MAIN 1000
#define IDR_ACCELERATORS 1000
#define IDR_MAIN_MENU 1000
#define IDR_CATALOG_MENU 104

#define CMD_SAVE_NOW 1501
#define CMD_SAVE_AS 1502
#define CMD_SAVE_ON_EXIT 1503
#define CMD_SAVE_FOLDER 1504
#define CMD_EXIT 1515
