#include "HeapPeak.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// Every block starts with its size, in a header that keeps the block aligned as malloc's are.
constexpr std::size_t kHeader = alignof(std::max_align_t);

std::atomic<std::size_t> held{0};
std::atomic<std::size_t> peak{0};

void* Take(std::size_t size)
{
    void* block = std::malloc(size + kHeader);
    if (block == nullptr)
        throw std::bad_alloc();
    *static_cast<std::size_t*>(block) = size;
    const std::size_t now = held += size;
    std::size_t seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {}
    return static_cast<char*>(block) + kHeader;
}

void Give(void* pointer) noexcept
{
    if (pointer == nullptr)
        return;
    void* block = static_cast<char*>(pointer) - kHeader;
    held -= *static_cast<std::size_t*>(block);
    std::free(block);
}

} // namespace

void* operator new(std::size_t size)
{
    return Take(size);
}
void* operator new[](std::size_t size)
{
    return Take(size);
}
void operator delete(void* pointer) noexcept
{
    Give(pointer);
}
void operator delete[](void* pointer) noexcept
{
    Give(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept
{
    Give(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept
{
    Give(pointer);
}

namespace HeapPeak {

void Restart()
{
    peak = held.load();
}
std::size_t PeakBytes()
{
    return peak.load();
}
std::size_t HeldBytes()
{
    return held.load();
}

} // namespace HeapPeak
