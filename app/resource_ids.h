/* Resource ids shared by app.rc and the code (plain macros: the resource
   compiler reads this file too). */
#pragma once

#define PQ_IDI_APP 1
#define PQ_IDI_ADD 2
#define PQ_IDI_COPY 3

#define PQ_IDD_ABOUTBOX 100
#define PQ_IDC_PANEL1 1001
#define PQ_IDC_PANEL2 1002
#define PQ_IDC_IMAGE1 1003
#define PQ_IDC_PRODUCTNAME 1004
#define PQ_IDC_VERSION 1005
#define PQ_IDC_COMMENTS 1006
