#pragma once
// Where Windows looks for a library that is loaded by its name.

// From now on, a library loaded by its name is looked for in the system folder only: neither the
// program's own folder nor the current folder is searched. Users run kamifuda.exe from folders of
// their own, often Downloads, where any file may lie; so this is the first thing at start, before
// anything loads a library (the system's own libraries load others by name, later, too).
void NarrowLibrarySearchToSystemFolder();
