// A shared library that is not an FFGL plug-in: it exports no plugMain.
extern "C" __attribute__((visibility("default"))) int NotAPlugin() { return 1; }
