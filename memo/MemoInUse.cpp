#include "MemoInUse.h"

namespace {
// A menu may open the edit dialog: they nest.
int open = 0;
} // namespace

MemoInUse::MemoInUse()
{
    ++open;
}

MemoInUse::~MemoInUse()
{
    --open;
}

bool MemoInUse::Any()
{
    return open > 0;
}
