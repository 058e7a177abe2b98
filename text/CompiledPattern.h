#pragma once

#include <cstddef>
#include <string>

#include <pcre2posix.h>

// Owns one pattern compiled by PCRE2's POSIX-style interface. Only a pattern that compiled is
// ever held, so regfree is never handed a record that regcomp left half-filled.
class CompiledPattern {
public:
    // Throws nothing for a bad pattern; check IsCompiled afterwards.
    CompiledPattern(const std::string& pattern, bool ignoreCase);
    ~CompiledPattern();

    CompiledPattern(const CompiledPattern&) = delete;
    CompiledPattern& operator=(const CompiledPattern&) = delete;

    bool IsCompiled() const { return compiled_; }

    // regexec on a zero-terminated subject with no execution flags; true on a match.
    bool Match(const char* subject, std::size_t slotCount, regmatch_t* slots) const;

    // The whole match of the first search in the bytes [start, end) of subject, searched as a
    // subject of their own (so ^ matches at start), in offsets of the whole subject. Nothing is
    // copied and the bytes before start are not measured again (REG_STARTEND), so a loop over
    // the rest of a long subject stays linear.
    bool MatchWithin(const char* subject, std::size_t start, std::size_t end, regmatch_t& whole) const;

private:
    regex_t record_{};
    bool compiled_ = false;
};
