#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CompiledPattern;

// One compiled PCRE pattern and the three operations the program needs: find the first match,
// replace every match by a literal text, split at every match. Matching is byte-wise; offsets are
// byte offsets.
//
// A pattern that failed to compile, or no pattern at all, finds nothing. A whole match of zero
// length also counts as no match, which is what keeps ReplaceAll and Split from looping.
class RegEx2 {
public:
    class CResult;

    RegEx2();
    virtual ~RegEx2();

    RegEx2(const RegEx2&) = delete;
    RegEx2& operator=(const RegEx2&) = delete;

    // Replaces the held pattern. A pattern that does not compile leaves the object with none.
    RegEx2& Compile(const std::string& pattern, bool ignoreCase = false);

    // Searches the subject once; fills result (when given) on a match.
    bool Exec(const std::string& subject, CResult* result = nullptr) const;

    // The first match, or nullptr when there is none.
    std::unique_ptr<CResult> Search(const std::string& subject) const;

    // Every match replaced by the replacement, copied literally (no group references, no escapes).
    // Each pass searches the rest of the subject as a new subject, so ^ matches where a pass starts.
    std::string ReplaceAll(const std::string& subject, const std::string& replacement) const;

    // The pieces between matches. Empty pieces between matches are kept; no empty last piece.
    std::vector<std::string> Split(const std::string& subject) const;

private:
    // One pass of ReplaceAll and Split: the first match in the rest of the searched bytes from
    // position on, found as Exec finds it in the rest as a new subject, but without copying it.
    // [first, afterLast) in offsets of searched; false for no match or an empty one.
    bool FindInRest(std::string_view searched, std::size_t position, std::size_t& first, std::size_t& afterLast) const;

    std::unique_ptr<CompiledPattern> pattern_;
};

// The pattern compiled on its first use in a thread and kept for the rest of the run (without
// ignoring case), for the fixed patterns that every memo's text goes through.
const RegEx2& CompiledOnce(const std::string& pattern);

// The outcome of one search: a copy of the subject and the spans of the whole match (entry 0) and
// of the groups (entries 1...). The span list is cut at the first span that is empty or unset.
class RegEx2::CResult {
public:
    CResult() = default;
    virtual ~CResult() = default;

    // Indexes count from -1: -1 is the whole match, 0 the first group. last is inclusive.
    // On false (no such span) first and last are left as they were.
    virtual bool MatchSpan(std::int32_t& first, std::int32_t& last) const;
    virtual bool GroupSpan(int index, std::int32_t& first, std::int32_t& last) const;
    // The bytes of the span, or an empty text when there is no such span.
    virtual std::string MatchText() const;
    virtual std::string GroupText(int index) const;
    // Number of kept group spans (-1 when the result holds no match).
    virtual int GroupCount() const;
    // The subject before and after the whole match; empty when the result holds no match.
    virtual std::string Prefix() const;
    virtual std::string Suffix() const;

private:
    friend class RegEx2;

    struct Span {
        std::int32_t start;
        std::int32_t end; // exclusive
    };

    std::string subject_;
    std::vector<Span> spans_;
};
