// The drawing style of the card-style buttons: the classic rounded one or the new square one
// (`NewButtons`). A window sets it on its buttons when it is built, and the main window again
// whenever the settings change.
#pragma once

class QWidget;

namespace quorvex {

struct Settings;

// Sets the chosen style on `root` itself when it is a card-style button and on every card-style
// button under it, and remembers the style for windows built later without the settings.
void ApplyButtonStyle(QWidget* root, const Settings& settings);
// The style last applied, for the small windows that are not given the settings (the notice,
// the top ten); classic until a style has been applied.
void ApplyButtonStyle(QWidget* root);
bool NewButtonStyle();

}  // namespace quorvex
