/* Stands in for a library left beside kamifuda.exe under the name of one that Windows loads by its
   name while the program runs (uxtheme.dll): leaves its mark when it is loaded into a process. */
#include "Mark.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH)
        LeaveMark(instance);
    return TRUE;
}
