#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ASerialize.h"
#include "KeyPath.h"

// A store in memory for tests of what ASerialize hands to its backing storage: every raw write in
// order with its path as given, and the values by joined key.
class MemoryStore : public Serialize::ASerialize {
public:
    void WriteRaw(const Serialize::KeyPath& path, const std::string& text) override
    {
        writes.emplace_back(path, text);
        values[Serialize::JoinKeyPath(path)] = text;
    }

    std::string ReadRaw(const Serialize::KeyPath& path) override
    {
        const auto found = values.find(Serialize::JoinKeyPath(path));
        return found == values.end() ? std::string() : found->second;
    }

    void Clear() override { values.clear(); }

    std::vector<std::pair<Serialize::KeyPath, std::string>> writes;
    std::map<std::string, std::string> values;
};
