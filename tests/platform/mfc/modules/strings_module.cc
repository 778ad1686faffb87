// A library that holds nothing but its string table.
extern "C" int qvmfcstrings_marker() { return 1; }
