#pragma once

// Measures in twips: 1440 per inch, 15 per pixel at 96 dpi.
namespace Twips {
constexpr int perPixel = 15;
constexpr int toPixels(int twips) { return twips / perPixel; }
constexpr int fromPixels(int pixels) { return pixels * perPixel; }
} // namespace Twips
