#pragma once

#include <optional>
#include <string>

// Where the data files live: beside the executable. Every function that touches them takes the
// folder as a parameter (tests pass a temporary folder) and defaults to this one.

inline constexpr const char* kMemoFileName = "memo.txt";
inline constexpr const char* kInfoFileName = "info.ini";

// The folder of the running executable, without a trailing backslash.
std::string ExecutableFolder();

// folder, a backslash, name.
std::string PathInFolder(const std::string& folder, const std::string& name);

// The name a file is written under before it replaces the real one, in the same folder so the
// replacement is a rename on one volume.
std::string TemporaryPathFor(const std::string& path);

// path as a name relative to the executable's folder, as Serialize::CIniSerialize takes it; none
// when path does not lie in that folder or below it.
std::optional<std::string> NameBesideExecutable(const std::string& path);
