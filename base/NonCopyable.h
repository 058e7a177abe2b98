#pragma once

namespace base {

// The private base of a class whose object holds something that must be given back once: an open
// clipboard, a folder it deletes, a save in progress, a window. Copying it is deleted; moving it is
// not declared, so a derived class is neither copied nor moved unless it says how.
class NonCopyable {
public:
    NonCopyable(const NonCopyable&) = delete;
    NonCopyable& operator=(const NonCopyable&) = delete;

protected:
    NonCopyable() = default;
    ~NonCopyable() = default;
};

} // namespace base
