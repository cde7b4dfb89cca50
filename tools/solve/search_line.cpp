#include "search_line.h"

#include "opponent/play_search.h"
#include "opponent/search_cache.h"
#include "opponent/search_text.h"

namespace quorvex::solve {

std::string RunSearchLine(const std::vector<std::string>& words) {
  SearchPosition position;
  std::string error;
  if (!ParseSearchPosition(words, position, error)) return "error: " + error;
  SearchCache cache;
  return SearchResultText(PlaySearch(position, cache));
}

}  // namespace quorvex::solve
