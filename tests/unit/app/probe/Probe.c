/* A module that exists only to carry (or lack) a version resource for the version tests. */
int ProbeValue(void) { return 1; }
