#include "CompiledPattern.h"

#include <limits>

CompiledPattern::CompiledPattern(const std::string& pattern, bool ignoreCase)
{
    // REG_NEWLINE is deliberately never passed: ^ and $ match only at the ends of the subject.
    const int flags = ignoreCase ? REG_ICASE : 0;
    compiled_ = regcomp(&record_, pattern.c_str(), flags) == 0;
}

CompiledPattern::~CompiledPattern()
{
    if (compiled_) {
        regfree(&record_);
    }
}

bool CompiledPattern::Match(const char* subject, std::size_t slotCount, regmatch_t* slots) const
{
    if (!compiled_) {
        return false;
    }
    // Every non-zero result (no match, resource limits, internal errors) means "nothing found".
    return regexec(&record_, subject, slotCount, slots, 0) == 0;
}

bool CompiledPattern::MatchWithin(const char* subject, std::size_t start, std::size_t end, regmatch_t& whole) const
{
    // The interface counts offsets in int: a longer subject is not searched.
    if (!compiled_ || start > end || end > static_cast<std::size_t>(std::numeric_limits<regoff_t>::max())) {
        return false;
    }
    whole.rm_so = static_cast<regoff_t>(start);
    whole.rm_eo = static_cast<regoff_t>(end);
    return regexec(&record_, subject, 1, &whole, REG_STARTEND) == 0;
}
