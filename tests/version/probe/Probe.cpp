// A module for the version tests to read: built once with a version resource
// of its own and once without any.
extern "C" __declspec(dllexport) int QuillfenVersionProbe() { return 1; }
