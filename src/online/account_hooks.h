// What the account logic asks of the windows: the account window, the error sound, a pause,
// a message and a yes/no question, and redrawing the account lamp with the main menu. The
// program implements it with its windows; tests record the calls and never wait.
#pragma once

#include <string>

namespace quorvex {

class AccountHooks {
 public:
  virtual ~AccountHooks() = default;
  // Shows the account window modally, opened for a rated start (its "Play global rating" box
  // enabled); the window works on the same account session and may change its state.
  virtual void ShowAccountWindowForRatedStart() = 0;
  virtual void PlayErrorSound() = 0;
  virtual void Wait(int milliseconds) = 0;
  virtual void ShowMessage(const std::string& text) = 0;
  virtual bool AskYesNo(const std::string& question) = 0;
  // The account lamp of the main window and the main menu show the new state.
  virtual void RedrawLampAndMenu() = 0;
};

}  // namespace quorvex
