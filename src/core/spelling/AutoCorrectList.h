#pragma once

#include <span>

// A misspelling and the text that replaces it.
struct AutoCorrectPair {
    const char *misspelling;
    const char *correction;
};

namespace AutoCorrectList {
constexpr int Size = 243;
// The built-in auto-correct list, in slot order (slot 1 is element 0).
std::span<const AutoCorrectPair> pairs();
}
