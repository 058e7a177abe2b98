#include "store/SaveGenerations.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {
void PrintGenerations(const std::vector<unsigned>& generations, std::ostream& out)
{
    out << "{";
    for (unsigned generation : generations)
        out << " " << generation;
    out << " }";
}
}

void PrintTo(const Cleanup& plan, std::ostream* out)
{
    *out << "paired ";
    if (plan.pairedInfo)
        *out << *plan.pairedInfo;
    else
        *out << "none";
    *out << ", stale info ";
    PrintGenerations(plan.staleInfo, *out);
    *out << ", unfinished memo ";
    PrintGenerations(plan.unfinishedMemo, *out);
}

TEST(SaveGenerations, TemporaryNamesAndTheirGenerations)
{
    EXPECT_EQ(TemporaryName(L"info.ini", 0), L"info.ini.tmp");
    EXPECT_EQ(TemporaryName(L"memo.txt", 12), L"memo.txt.12.tmp");
    EXPECT_EQ(TemporaryName(L"C:\\memos\\memo.txt", 0), L"C:\\memos\\memo.txt.tmp");
    EXPECT_EQ(GenerationOf(L"info.ini.tmp", L"info.ini"), 0u);
    EXPECT_EQ(GenerationOf(L"memo.txt.12.tmp", L"memo.txt"), 12u);
    for (const wchar_t* other :
         {L"info.ini", L"memo.txt.tmp", L"info.ini..tmp", L"info.ini.x.tmp", L"info.ini.012.tmp", L"info.ini.1.tmp.bak",
          L"info.ini.1234567890.tmp", L"info.ini.-1.tmp", L"info.ini1.tmp"})
        EXPECT_EQ(GenerationOf(other, L"info.ini"), std::nullopt);
}

TEST(SaveGenerations, NextSaveTouchesNoFileThatIsLeft)
{
    EXPECT_EQ(NextGeneration({}), 0u);
    EXPECT_EQ(NextGeneration({{}, {0}}), 1u);
    EXPECT_EQ(NextGeneration({{4}, {2, 3}}), 5u);
}

// A save counts once its memo.txt is in place, that is once its temporary memo.txt is gone.
TEST(SaveGenerations, CleanupKeepsTheInfoFileOfTheLastSaveThatCounted)
{
    struct Case {
        const char* what;
        LeftoverFiles left;
        Cleanup plan;
    };
    const Case cases[] = {
        {"nothing left", {}, {}},
        {"cut short before its move", {{0}, {0}}, {std::nullopt, {0}, {0}}},
        {"cut short between its two moves", {{}, {0}}, {0u, {}, {}}},
        {"info.ini held, then the next save cut short before its move", {{1}, {0, 1}}, {0u, {1}, {1}}},
        {"info.ini held, then the next save cut short after its move", {{}, {0, 1}}, {1u, {0}, {}}},
        {"a save that did not count kept its files, a later one counted", {{1}, {1, 2}}, {2u, {1}, {1}}},
        {"a temporary memo.txt without its info.ini", {{3}, {}}, {std::nullopt, {}, {3}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlanCleanup(c.left), c.plan) << c.what;
}
