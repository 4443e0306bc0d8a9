// Preloaded into the program under the sanitizers: libraries stay mapped to the end
// of the process, so that the leak check at exit can still name the library (Mesa's
// driver, say) that made an allocation, and match it against the suppressions.
extern "C" int dlclose(void*) { return 0; }
