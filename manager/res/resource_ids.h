#pragma once
// Identifiers of the manager's resources (shared by the .rc file and the code).
#define IDI_VANTOR 1
#define IDB_TOOLBAR 200

#define IDS_BROWSE_PROMPT 65216
#define IDS_CAPTION 65217
#define IDS_EMPTY_BOX 65218
#define IDS_PATH_MISSING 65219
#define IDS_SORT_ASCENDING 65220
#define IDS_SORT_DESCENDING 65221
#define IDS_ASK_DELETE 65222
#define IDS_EXPORT_TITLE 65223
#define IDS_IMPORT_TITLE 65224
#define IDS_OVERWRITE 65225
