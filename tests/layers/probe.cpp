// Compiled as part of one layer's library with one header of another layer:
// it builds only where the first layer links the second.
#include PROBE_HEADER

int ProbeLayers() { return 0; }
