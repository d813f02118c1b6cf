/* Print dialog: template numbers (one per language) and control ids.
   Shared by resources/dialogs.rc and the print dialog's command handling. */
#ifndef KORVANE_DIALOG_IDS_H
#define KORVANE_DIALOG_IDS_H

#define IDD_PRINT_ENGLISH   502
#define IDD_PRINT_FRENCH    503

#define IDC_PRINT_FONT      1002    /* "Choose Font..." */
#define IDC_PRINT_CLOSE     1003    /* "Close", the default button */
#define IDC_PRINT_EXAM      1004    /* test listing */
#define IDC_PRINT_ANSWERS   1005    /* answer sheet with the answers crossed */
#define IDC_PRINT_SHEET     1006    /* blank answer sheet */
#define IDC_PRINT_ALL       1007    /* the three jobs in turn */
#define IDC_PRINT_GROUP     65535   /* the group box; never addressed */

#endif
