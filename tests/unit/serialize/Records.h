#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "ASerialize.h"
#include "Exchange.h"
#include "ITarget.h"

// Small stored objects for the tests.

// Two stored members and one that is never stored, to tell kept items from new ones.
struct Point : Serialize::ITarget {
    std::int32_t Left = 0;
    std::uint32_t Flags = 0;
    std::int32_t notStored = 99;

    Point() = default;
    Point(std::int32_t left, std::uint32_t flags, std::int32_t mark = 99) : Left(left), Flags(flags), notStored(mark) {}

    void Serialize(Serialize::ASerialize& store) override
    {
        Serialize::Exchange(store, "Left", Left);
        Serialize::Exchange(store, "Flags", Flags);
    }
};

// Every typed operation once, in both directions.
struct AllTypes : Serialize::ITarget {
    std::uint32_t u = 0;
    std::int32_t i = 0;
    double d = 0;
    bool b = false;
    std::string s;

    // A value of each type that has a text form of its own: hexadecimal, a sign, six decimals.
    static AllTypes Sample(std::string text)
    {
        AllTypes values;
        values.u = 10;
        values.i = -5;
        values.d = 0.5;
        values.b = true;
        values.s = std::move(text);
        return values;
    }

    void Serialize(Serialize::ASerialize& store) override
    {
        if (store.IsSaving()) {
            store.WriteUInt("u", u);
            store.WriteInt("i", i);
            store.WriteDouble("d", d);
            store.WriteBool("b", b);
            store.WriteString("s", s);
        } else {
            store.ReadUInt("u", u);
            store.ReadInt("i", i);
            store.ReadDouble("d", d);
            store.ReadBool("b", b);
            store.ReadString("s", s);
        }
    }
};

// Records the mode the store is in when each member is reached, one level deeper too.
struct ModeProbe : Serialize::ITarget {
    std::string seen;
    ModeProbe* inner = nullptr;

    void Serialize(Serialize::ASerialize& store) override
    {
        seen += store.IsSaving() ? 'W' : 'R';
        if (inner != nullptr) {
            Serialize::Exchange(store, "inner", *inner);
        }
    }
};
