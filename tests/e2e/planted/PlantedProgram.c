/* Stands in for a program left beside kamifuda.exe under a name that it might start (explorer.exe):
   leaves its mark and ends. Before that it loads each library named on its command line by that
   name, searched for as Windows does by default, beginning in the program's own folder: so it also
   shows that a library planted beside it would be found. */
#include "Mark.h"

#include <shellapi.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)instance, (void)previous, (void)commandLine, (void)show;
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; arguments && i < count; ++i)
        LoadLibraryW(arguments[i]);
    LocalFree(arguments);
    LeaveMark(NULL);
    return 0;
}
