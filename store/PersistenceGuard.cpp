#include "PersistenceGuard.h"

namespace {
bool persistenceBusy = false;
}

PersistenceGuard::PersistenceGuard() : acquired_(!persistenceBusy)
{
    persistenceBusy = true;
}

PersistenceGuard::~PersistenceGuard()
{
    if (acquired_)
        persistenceBusy = false;
}

bool PersistenceGuard::Busy()
{
    return persistenceBusy;
}
