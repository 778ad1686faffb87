// A shared library without the ObjectARX entry points.
extern "C" int plainLibraryAnswer() { return 42; }
