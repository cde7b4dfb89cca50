// The hidden switch that shows the computer's hand: characters typed while the chat's send
// button has the focus are collected, and when they read as the number 71849 the switch flips.
#pragma once

#include <string>
#include <string_view>

namespace quorvex {

class RevealCode {
 public:
  static constexpr long kCode = 71849;

  // The focus entered or left the send button.
  void Clear() { typed_.clear(); }
  // Adds typed characters; true (and the collection cleared) when it now reads as the code.
  bool Feed(std::string_view typed);

 private:
  std::string typed_;
};

}  // namespace quorvex
