#include "game/reveal_code.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(RevealCode, FlipsWhenTheTypedCharactersReadAsTheCode) {
  struct Case {
    const char* typed;  // one character at a time
    int flips;
  };
  const Case cases[] = {
      {"71849", 1},      {"071849", 1},   {"+71849", 1},       {"7184", 0},
      {"718490", 1},     // the collection is cleared at the flip
      {"x71849", 0},     // a letter spoils the number until the focus moves
      {"7184971849", 2}, {"71 849", 0},   {"99999999999999999999971849", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    RevealCode code;
    int flips = 0;
    for (const char* p = c.typed; *p; ++p) flips += code.Feed(std::string_view(p, 1));
    EXPECT_EQ(flips, c.flips);
  }
  RevealCode code;
  EXPECT_FALSE(code.Feed("x"));
  code.Clear();  // the focus left and came back
  EXPECT_TRUE(code.Feed("71849"));
}

}  // namespace
}  // namespace quorvex
