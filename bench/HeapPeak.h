#pragma once

#include <cstddef>

// The bytes the program holds through operator new, counted by the replacement operators in
// HeapPeak.cpp (linked into the bench that asks): how much one operation held at most, apart from
// what the heap itself keeps around.
namespace HeapPeak {

// From now on the peak is counted from the bytes held now.
void Restart();
// The most bytes held at once since Restart.
std::size_t PeakBytes();
// The bytes held now.
std::size_t HeldBytes();

} // namespace HeapPeak
