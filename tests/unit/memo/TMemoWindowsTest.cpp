// The registry of open memo windows: membership by construction and closing, set semantics, and
// iteration in ascending order of the windows' addresses.
#include "TMemoWindows.h"
#include "TMemoWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace {

std::uintptr_t Address(const TMemoWindow* window)
{
    return reinterpret_cast<std::uintptr_t>(window);
}

std::vector<TMemoWindow*> Members(const TMemoWindows& registry)
{
    return std::vector<TMemoWindow*>(registry.begin(), registry.end());
}

TEST(TMemoWindows, AWindowIsAMemberFromConstructionUntilClosedOrDestroyed)
{
    const std::size_t before = GetMemoWindows().Size();
    std::uintptr_t seen = 0;
    {
        TMemoWindow memo;
        seen = Address(&memo);
        EXPECT_TRUE(GetMemoWindows().Contains(memo));
        EXPECT_EQ(before + 1, GetMemoWindows().Size());
        memo.Close();
        EXPECT_FALSE(GetMemoWindows().Contains(memo));
        memo.Close(); // closing again changes nothing
        EXPECT_EQ(before, GetMemoWindows().Size());
    }
    {
        TMemoWindow memo;
        ASSERT_TRUE(GetMemoWindows().Contains(memo));
    }
    // A destroyed window is no member, whatever address the next one gets.
    for (TMemoWindow* member : Members(GetMemoWindows()))
        EXPECT_NE(seen, Address(member));
    EXPECT_EQ(before, GetMemoWindows().Size());
}

TEST(TMemoWindows, InsertingTwiceOrRemovingANonMemberChangesNothing)
{
    TMemoWindow first, second;
    TMemoWindows registry;
    registry.Insert(first);
    registry.Insert(first);
    EXPECT_EQ(1u, registry.Size());
    registry.Remove(second);
    EXPECT_EQ(1u, registry.Size());
    EXPECT_TRUE(registry.Contains(first));
    registry.Remove(first);
    EXPECT_EQ(0u, registry.Size());
    EXPECT_TRUE(Members(registry).empty()) << "an empty registry visits nothing";
}

TEST(TMemoWindows, IterationIsByAscendingAddressNotByInsertion)
{
    std::vector<std::unique_ptr<TMemoWindow>> windows;
    for (int i = 0; i < 5; ++i)
        windows.push_back(std::make_unique<TMemoWindow>());
    std::vector<TMemoWindow*> descending;
    for (auto& w : windows)
        descending.push_back(w.get());
    std::sort(descending.begin(), descending.end(),
              [](TMemoWindow* a, TMemoWindow* b) { return Address(a) > Address(b); });

    TMemoWindows registry;
    for (TMemoWindow* w : descending)
        registry.Insert(*w);
    const std::vector<TMemoWindow*> visited = Members(registry);
    ASSERT_EQ(descending.size(), visited.size());
    EXPECT_TRUE(std::equal(visited.begin(), visited.end(), descending.rbegin()));

    // The process registry holds the same five in the same order.
    std::vector<TMemoWindow*> ours;
    for (TMemoWindow* member : Members(GetMemoWindows()))
        if (std::find(descending.begin(), descending.end(), member) != descending.end())
            ours.push_back(member);
    EXPECT_EQ(visited, ours);
}

} // namespace
