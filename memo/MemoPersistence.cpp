#include "MemoPersistence.h"

// Memo windows do not exist yet in this build: there is nothing to save or restore.
void SaveAllMemos() {}
std::optional<std::string> SaveAllMemosReportingFailure() { return std::nullopt; }
void RestoreAllMemos() {}
