// The grey aristocratic design of the auxiliary windows: the window in the system's button
// face, a 64-pixel header of the silver plate "GCap300" with the caption in capitals, and dark
// red buttons with white text that turns yellow under the mouse.
#pragma once

#include <QColor>
#include <QString>

class QPainter;
class QPushButton;
class QWidget;

namespace quorvex {

struct Settings;
class TZefCardsButton;

inline constexpr int kAristocraticHeaderHeight = 64;

// The dark dialog design: edit fields on purple, card-style buttons with gold text. The values
// are kept as the game stores colours, blue in the high byte.
inline constexpr unsigned kDarkEditBackground = 14811272;
inline constexpr unsigned kDarkButtonText = 3321800;
// A colour stored as 0xBBGGRR.
QColor StoredColour(unsigned bgr);

// The window colour of the grey designs.
void ApplyGreyDesign(QWidget& window);

// A dialog button in the grey designs.
void StyleDesignButton(QPushButton& button);
// The prominent button of an auxiliary window ("Ok", "Cancel"): a card-style button in dark
// red whose text turns yellow under the mouse.
TZefCardsButton* NewDialogButton(const QString& text, QWidget* parent);

// The four designs of the auxiliary windows: grey concise, grey aristocratic, grey with red
// ribbons (`DialogStyle` 1..3), and purple (`DialogPicture`, from the graphics library; without
// it the window is grey aristocratic).
enum class DialogDesign { Concise, Aristocratic, Ribbons, Purple };
DialogDesign DesignOf(const Settings& settings);
// The height of a design's header.
int DialogHeaderHeight(const Settings& settings);
int DialogHeaderHeight(DialogDesign design);
// The window's colours in its design: the button face for the grey ones, the purple picture.
void ApplyDialogDesign(QWidget& window, const Settings& settings);
// The header of the design with the caption; the purple design's picture under everything.
void PaintDialogHeader(QPainter& painter, int client_width, int client_height,
                       const QString& caption, const Settings& settings);
// The same for a window that knows its design already (finding it opens the graphics library).
void PaintDialogHeader(QPainter& painter, int client_width, int client_height,
                       const QString& caption, const Settings& settings, DialogDesign design);

// The flag of the interface language at the right of the header: 100 x 68 below the purple
// picture's top, fitted into the header in the grey designs.
void PaintLanguageFlag(QPainter& painter, int client_width, DialogDesign design);

// The header across the top of a client area of the given width: the plate centred, the
// caption in capitals centred on it in the serif role at height 40 (scaled by the role's
// setting, smaller when it would not fit), bold, yellow with a shadow.
void PaintAristocraticHeader(QPainter& painter, int client_width, const QString& caption,
                             const Settings& settings);

}  // namespace quorvex
