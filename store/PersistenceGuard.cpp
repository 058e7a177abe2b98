#include "PersistenceGuard.h"

namespace
{
bool persistenceBusy = false;
}

PersistenceGuard::PersistenceGuard() : acquired(!persistenceBusy)
{
    persistenceBusy = true;
}

PersistenceGuard::~PersistenceGuard()
{
    if (acquired)
        persistenceBusy = false;
}

bool PersistenceGuard::Busy()
{
    return persistenceBusy;
}
