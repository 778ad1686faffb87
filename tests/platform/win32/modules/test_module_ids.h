// Resource ids of the test module, shared by its script and the tests.
#pragma once
#define IDS_GREETING 1
#define IDS_BANNER 2
#define IDS_ESCAPES 3
#define IDS_EMPTY_NEIGHBOUR 5
#define IDS_SECOND_BLOCK 17
#define IDS_LAST 65535
#define IDR_PAYLOAD 200
#define IDB_PIXEL 300
#define IDR_LANGUAGES 400
