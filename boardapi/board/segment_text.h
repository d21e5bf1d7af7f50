// Lays a text out on 7-segment digits: which matrix column shows which segment pattern.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SegmentDigit {
  int column;        // LED-matrix column; digit k (from 1) is column k - 1, may lie outside the matrix
  uint8_t segments;  // SegmentFont pattern, the point merged in
};

enum SegmentAlignment : int { kAlignLeft = 0, kAlignRight = 1 };

// digitCount -1 takes the whole text; a given count pads a shorter text with the padding character (after it
// when left-aligned, before it when right-aligned) or cuts a longer one to the count plus its points.
std::string FitSegmentText(const std::string& text, int digitCount, int alignment, char padding);

// A '.' merges into the character before it; a '.' at the start or after a merged point is a digit of its own.
std::vector<SegmentDigit> LayoutSegmentText(int firstDigit, const std::string& text);
