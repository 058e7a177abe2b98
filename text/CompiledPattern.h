#pragma once

#include <cstddef>
#include <string>

#include <pcre2posix.h>

// Owns one pattern compiled by PCRE2's POSIX-style interface. Only a pattern that compiled is
// ever held, so regfree is never handed a record that regcomp left half-filled.
class CompiledPattern
{
public:
    // Throws nothing for a bad pattern; check IsCompiled afterwards.
    CompiledPattern(const std::string& pattern, bool ignoreCase);
    ~CompiledPattern();

    CompiledPattern(const CompiledPattern&) = delete;
    CompiledPattern& operator=(const CompiledPattern&) = delete;

    bool IsCompiled() const { return compiled; }

    // regexec on a zero-terminated subject with no execution flags; true on a match.
    bool Match(const char* subject, std::size_t slotCount, regmatch_t* slots) const;

private:
    regex_t record{};
    bool compiled = false;
};
