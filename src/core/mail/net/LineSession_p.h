#pragma once

#include <chrono>

// What the parts of LineSession share inside.
namespace LineSessionWaits {

// How often a wait looks at the cancel flag and its limits.
constexpr int kSliceMs = 50;

inline int seconds(std::chrono::milliseconds ms)
{
    return static_cast<int>((ms.count() + 999) / 1000);
}

} // namespace LineSessionWaits
