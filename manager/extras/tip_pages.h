#pragma once
// The five pages of the tip of the day and the rules for paging through them.
#include <cstddef>
#include <random>
#include <vector>

namespace vantor::extras {

struct TipLine {
  int left, top;  // inside the page container, in pixels
  const char* text;
};

struct TipPage {
  const char* name;  // never shown
  std::vector<TipLine> lines;
};

const std::vector<TipPage>& TipPages();

// The page shown first: drawn uniformly from 0 to count - 2, so the last page is
// reached only by paging.
std::size_t FirstTipPage(std::mt19937& random, std::size_t page_count);

// Next Tip: the page after `current`, the first one after the last.
std::size_t NextTipPage(std::size_t current, std::size_t page_count);

}  // namespace vantor::extras
