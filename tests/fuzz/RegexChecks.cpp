#include "RegexChecks.h"

#include <cstdint>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "text/RegEx2.h"

namespace {

// A zero byte cannot occur in a subject that the engine sees whole, so it marks the cuts.
const std::string kCutMark(1, '\0');

void CheckSearch(const RegEx2& regex, const std::string& subject)
{
    const std::unique_ptr<RegEx2::CResult> result = regex.Search(subject);
    FUZZ_CHECK((result != nullptr) == regex.Exec(subject));
    if (!result) {
        FUZZ_CHECK(regex.ReplaceAll(subject, "replaced") == subject);
        return;
    }
    std::int32_t first = -2;
    std::int32_t last = -2;
    FUZZ_CHECK(result->MatchSpan(first, last));
    FUZZ_CHECK(0 <= first && first <= last && static_cast<std::size_t>(last) < subject.size());
    FUZZ_CHECK(result->Prefix() + result->MatchText() + result->Suffix() == subject);

    const int groups = result->GroupCount();
    FUZZ_CHECK(groups >= 0);
    for (int index = 0; index < groups; ++index) {
        FUZZ_CHECK(result->GroupSpan(index, first, last));
        FUZZ_CHECK(0 <= first && first <= last && static_cast<std::size_t>(last) < subject.size());
        FUZZ_CHECK(result->GroupText(index) == subject.substr(first, last - first + 1));
    }
    first = last = -2;
    FUZZ_CHECK(!result->GroupSpan(groups, first, last) && first == -2 && last == -2);
    FUZZ_CHECK(!result->GroupSpan(-2, first, last) && result->GroupText(-2).empty());
}

// ReplaceAll and Split as the program's design states them, pass by pass through the public Exec
// on a copy of the rest: what the in-place search of RegEx2 must agree with.
std::string ReferenceReplaceAll(const RegEx2& regex, const std::string& subject, const std::string& replacement)
{
    std::string output;
    std::size_t position = 0;
    RegEx2::CResult match;
    std::int32_t first = 0;
    std::int32_t last = 0;
    while (regex.Exec(subject.substr(position), &match) && match.MatchSpan(first, last)) {
        output += subject.substr(position, first) + replacement;
        position += last + 1;
    }
    return output + subject.substr(position);
}

std::vector<std::string> ReferenceSplit(const RegEx2& regex, const std::string& subject)
{
    std::vector<std::string> pieces;
    std::size_t position = 0;
    RegEx2::CResult match;
    std::int32_t first = 0;
    std::int32_t last = 0;
    while (regex.Exec(subject.substr(position), &match) && match.MatchSpan(first, last)) {
        pieces.push_back(subject.substr(position, first));
        position += last + 1;
    }
    if (position < subject.size()) {
        pieces.push_back(subject.substr(position));
    }
    return pieces;
}

// Split keeps the pieces between matches and drops an empty last one; ReplaceAll with the cut mark
// puts a mark in place of every match. Cutting that at the marks must give the same pieces.
void CheckSplitAgreesWithReplaceAll(const RegEx2& regex, const std::string& subject)
{
    const std::vector<std::string> pieces = regex.Split(subject);
    const std::string marked = regex.ReplaceAll(subject, kCutMark);
    std::vector<std::string> expected;
    if (!subject.empty()) {
        expected = SplitAtZeros(marked);
        if (expected.back().empty()) {
            expected.pop_back();
        }
    }
    FUZZ_CHECK(pieces == expected);

    // The same matches replaced by nothing: the marked text without its marks, and at least one
    // byte shorter per match, since no match is empty.
    std::string unmarked;
    std::size_t marks = 0;
    for (const char byte : marked) {
        if (byte == kCutMark[0]) {
            ++marks;
        } else {
            unmarked += byte;
        }
    }
    FUZZ_CHECK(regex.ReplaceAll(subject, "") == unmarked);
    FUZZ_CHECK(unmarked.size() + marks <= subject.size());
}

} // namespace

void CheckRegexOperations(const RegEx2& regex, const std::string& subject)
{
    // A zero byte ends the subject for the engine: whatever lies behind it is passed through.
    FUZZ_CHECK(regex.ReplaceAll(subject, "\\") == ReferenceReplaceAll(regex, subject, "\\"));
    FUZZ_CHECK(regex.Split(subject) == ReferenceSplit(regex, subject));

    const std::string whole = UpToZero(subject);
    CheckSearch(regex, whole);
    CheckSplitAgreesWithReplaceAll(regex, whole);
}
