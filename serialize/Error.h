#pragma once

#include <exception>

namespace Serialize {

// Raised by a typed read that finds no value. Callers only catch it; it carries no data.
class Error : public std::exception {
public:
    const char* what() const noexcept override { return "Serialize::Error: a stored value is missing"; }
};

} // namespace Serialize
