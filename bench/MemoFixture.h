#pragma once

#include "store/MemoState.h"

// The memos a benchmark works with: n short texts ("Memo 1" ...), each with a record that lies
// wholly inside a 1280 x 1024 desktop (so restoring moves none of them), the four memo colours in
// turn, the windows tiled with overlap.
MemoState MakeMemos(int n);
