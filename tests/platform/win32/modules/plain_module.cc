// A module without DllMain or resources.
extern "C" int PlainModuleAnswer() { return 42; }
