// A card from its readable form ("Th"), failing the test on anything else.
#pragma once

#include <gtest/gtest.h>

#include "game/card.h"

namespace quorvex::testing {

inline TCard Card(const char* text) {
  TCard card;
  EXPECT_TRUE(ParseCardText(text, card)) << text;
  return card;
}

}  // namespace quorvex::testing
