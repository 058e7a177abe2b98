#include "TMemoWindows.h"

TMemoWindows& GetMemoWindows()
{
    // Never destroyed: memo windows live until the process ends, and nothing may meet a registry
    // that static destruction has already torn down.
    static TMemoWindows* registry = new TMemoWindows();
    return *registry;
}
