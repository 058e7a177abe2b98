#include "TMemoWindows.h"

TMemoWindows& GetMemoWindows()
{
    // Never destroyed: memo windows that are still open when the process ends are not freed, and
    // nothing may meet a registry that static destruction has already torn down.
    static TMemoWindows* registry = new TMemoWindows();
    return *registry;
}
