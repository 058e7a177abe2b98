#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ASerialize.h"
#include "Error.h"
#include "Exchange.h"
#include "MemoryStore.h"
#include "Records.h"
#include "TargetIsVector.h"

using Serialize::KeyPath;

TEST(ASerializePaths, TypedValuesEndInTheirTag)
{
    MemoryStore store;
    AllTypes values = AllTypes::Sample("text");
    store.WriteObject("top", values);

    using Write = std::pair<KeyPath, std::string>;
    const std::vector<Write> expected{
        {{"top", "u", "UINT"}, "a"}, {{"top", "i", "INT "}, "-5"}, {{"top", "d", "DOBL"}, "0.500000"},
        {{"top", "b", "BOOL"}, "1"}, {{"top", "s"}, "text"},
    };
    EXPECT_EQ(expected, store.writes);
    EXPECT_TRUE(store.CurrentPath().empty());
}

TEST(ASerializePaths, NestedObjectsAddOneComponentPerLevel)
{
    MemoryStore store;
    std::vector<Point> points{Point(-5, 3)};
    Serialize::TargetIsVector<Point> vector(points);
    store.WriteObject("info", vector);

    ASSERT_EQ(3u, store.writes.size());
    EXPECT_EQ((KeyPath{"info", "size", "UINT"}), store.writes[0].first);
    EXPECT_EQ("1", store.writes[0].second);
    EXPECT_EQ((KeyPath{"info", "0", "Left", "INT "}), store.writes[1].first);
    EXPECT_EQ("-5", store.writes[1].second);
    EXPECT_EQ((KeyPath{"info", "0", "Flags", "UINT"}), store.writes[2].first);
    EXPECT_EQ("3", store.writes[2].second);
}

TEST(ASerializeMode, ObjectCallsSetTheModeForEveryLevel)
{
    MemoryStore store;
    ModeProbe inner;
    ModeProbe outer;
    outer.inner = &inner;
    store.WriteObject("o", outer);
    EXPECT_TRUE(store.IsSaving());
    store.ReadObject("o", outer);
    EXPECT_FALSE(store.IsSaving());
    store.WriteObject("o", outer);
    EXPECT_EQ("WRW", outer.seen);
    EXPECT_EQ("WRW", inner.seen);
}

TEST(ASerializeErrors, StoreStaysUsableAfterAnErrorInsideAnObject)
{
    MemoryStore store;
    std::vector<Point> saved{Point(4, 5)};
    Serialize::TargetIsVector<Point> saving(saved);
    store.WriteObject("good", saving);

    std::vector<Point> loaded;
    Serialize::TargetIsVector<Point> loading(loaded);
    EXPECT_THROW(store.ReadObject("missing", loading), Serialize::Error);
    EXPECT_TRUE(store.CurrentPath().empty());

    store.ReadObject("good", loading);
    ASSERT_EQ(1u, loaded.size());
    EXPECT_EQ(4, loaded[0].Left);
}

TEST(ASerializeErrors, AbsurdCountEndsAtTheFirstMissingItem)
{
    MemoryStore store;
    store.values["v#size#UINT"] = "ffffffff";
    store.values["v#0#Left#INT "] = "1";
    store.values["v#0#Flags#UINT"] = "2";
    std::vector<Point> loaded;
    Serialize::TargetIsVector<Point> loading(loaded);
    // No allocation of four thousand million items: the read stops where the items stop.
    EXPECT_THROW(store.ReadObject("v", loading), Serialize::Error);
    EXPECT_LE(loaded.size(), 2u);
}
