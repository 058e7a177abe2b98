#include "RegEx2.h"

#include <algorithm>
#include <array>
#include <map>

#include "CompiledPattern.h"

namespace {

// regexec reports the whole match and up to 99 groups.
constexpr std::size_t kMatchSlots = 100;

// The bytes the engine searches: a subject ends at its first zero byte, as Exec hands it over.
std::string_view SearchedPart(const std::string& subject)
{
    return std::string_view(subject.c_str(), std::min(subject.find('\0'), subject.size()));
}

} // namespace

RegEx2::RegEx2() = default;
RegEx2::~RegEx2() = default;

RegEx2& RegEx2::Compile(const std::string& patternText, bool ignoreCase)
{
    pattern_.reset();
    auto compiled = std::make_unique<CompiledPattern>(patternText, ignoreCase);
    // A compile error is not reported: the object simply holds no pattern and finds nothing.
    if (compiled->IsCompiled()) {
        pattern_ = std::move(compiled);
    }
    return *this;
}

bool RegEx2::Exec(const std::string& subject, CResult* result) const
{
    CResult scratch;
    CResult& out = result ? *result : scratch;
    out.subject_ = subject;
    out.spans_.clear();

    std::array<regmatch_t, kMatchSlots> slots{};
    if (!pattern_ || !pattern_->Match(out.subject_.c_str(), slots.size(), slots.data())) {
        return false;
    }
    // Keep the spans up to the first empty or unset one; later groups are dropped even when set.
    for (const regmatch_t& slot : slots) {
        if (slot.rm_so == slot.rm_eo) {
            break;
        }
        out.spans_.push_back({slot.rm_so, slot.rm_eo});
    }
    // A zero-length whole match leaves no span to work with: it counts as no match.
    return !out.spans_.empty();
}

std::unique_ptr<RegEx2::CResult> RegEx2::Search(const std::string& subject) const
{
    auto result = std::make_unique<CResult>();
    if (!Exec(subject, result.get())) {
        return nullptr;
    }
    return result;
}

bool RegEx2::FindInRest(std::string_view searched, std::size_t position, std::size_t& first,
                        std::size_t& afterLast) const
{
    regmatch_t whole{};
    if (!pattern_ || !pattern_->MatchWithin(searched.data(), position, searched.size(), whole)) {
        return false;
    }
    first = static_cast<std::size_t>(whole.rm_so);
    afterLast = static_cast<std::size_t>(whole.rm_eo);
    // A zero-length whole match counts as no match, as in Exec.
    return afterLast > first;
}

std::string RegEx2::ReplaceAll(const std::string& subject, const std::string& replacement) const
{
    std::string output;
    std::size_t position = 0;
    std::size_t first = 0;
    std::size_t afterLast = 0;
    // Every pass searches the rest as a fresh subject; a match is never zero-length, so position grows.
    const std::string_view searched = SearchedPart(subject);
    while (FindInRest(searched, position, first, afterLast)) {
        output.append(subject, position, first - position);
        output += replacement;
        position = afterLast;
    }
    output.append(subject, position);
    return output;
}

const RegEx2& CompiledOnce(const std::string& patternText)
{
    thread_local std::map<std::string, RegEx2, std::less<>> compiled;
    auto [entry, added] = compiled.try_emplace(patternText);
    if (added)
        entry->second.Compile(patternText);
    return entry->second;
}

std::vector<std::string> RegEx2::Split(const std::string& subject) const
{
    std::vector<std::string> pieces;
    std::size_t position = 0;
    std::size_t first = 0;
    std::size_t afterLast = 0;
    const std::string_view searched = SearchedPart(subject);
    while (FindInRest(searched, position, first, afterLast)) {
        pieces.push_back(subject.substr(position, first - position));
        position = afterLast;
    }
    if (position < subject.size()) {
        pieces.push_back(subject.substr(position));
    }
    return pieces;
}

bool RegEx2::CResult::MatchSpan(std::int32_t& first, std::int32_t& last) const
{
    return GroupSpan(-1, first, last);
}

bool RegEx2::CResult::GroupSpan(int index, std::int32_t& first, std::int32_t& last) const
{
    // Index -1 is span entry 0, the whole match.
    const long long entry = static_cast<long long>(index) + 1;
    if (entry < 0 || entry >= static_cast<long long>(spans_.size())) {
        return false;
    }
    const Span& span = spans_[static_cast<std::size_t>(entry)];
    first = span.start;
    last = span.end - 1;
    return true;
}

std::string RegEx2::CResult::MatchText() const
{
    return GroupText(-1);
}

std::string RegEx2::CResult::GroupText(int index) const
{
    std::int32_t first = 0;
    std::int32_t last = 0;
    if (!GroupSpan(index, first, last)) {
        return {};
    }
    return subject_.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(last - first + 1));
}

int RegEx2::CResult::GroupCount() const
{
    return static_cast<int>(spans_.size()) - 1;
}

std::string RegEx2::CResult::Prefix() const
{
    std::int32_t first = 0;
    std::int32_t last = 0;
    if (!MatchSpan(first, last)) {
        return {};
    }
    return subject_.substr(0, static_cast<std::size_t>(first));
}

std::string RegEx2::CResult::Suffix() const
{
    std::int32_t first = 0;
    std::int32_t last = 0;
    if (!MatchSpan(first, last)) {
        return {};
    }
    return subject_.substr(static_cast<std::size_t>(last) + 1);
}
