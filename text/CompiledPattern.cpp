#include "CompiledPattern.h"

CompiledPattern::CompiledPattern(const std::string& pattern, bool ignoreCase)
{
    // REG_NEWLINE is deliberately never passed: ^ and $ match only at the ends of the subject.
    const int flags = ignoreCase ? REG_ICASE : 0;
    compiled = regcomp(&record, pattern.c_str(), flags) == 0;
}

CompiledPattern::~CompiledPattern()
{
    if (compiled) {
        regfree(&record);
    }
}

bool CompiledPattern::Match(const char* subject, std::size_t slotCount, regmatch_t* slots) const
{
    if (!compiled) {
        return false;
    }
    // Every non-zero result (no match, resource limits, internal errors) means "nothing found".
    return regexec(&record, subject, slotCount, slots, 0) == 0;
}
