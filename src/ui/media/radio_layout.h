// Where the radio window's parts sit, in design units, shared by the window and the pictures
// drawn for it so that the two always agree.
#pragma once

#include <QRect>
#include <QSize>

namespace quorvex::radio_layout {

inline constexpr QSize kWindow{380, 250};
inline const QRect kCountries{12, 40, 150, 198};
inline const QRect kStations{172, 40, 196, 102};
inline const QRect kFrame{172, 150, 134, 88};  // "RRADIO_RAMKA" around the logo
inline const QRect kLogo{179, 164, 120, 60};   // a station's logo
inline const QRect kVolume{312, 150, 56, 88};  // "RRADIO_VOLUME": "+" above, "-" below
inline const QRect kVolumeUp{312, 150, 56, 26};
inline const QRect kVolumeDown{312, 212, 56, 26};
inline const QRect kDigits{320, 182, 40, 24};  // "00" .. "10"
inline const QRect kSwitch{300, 8, 68, 24};    // the on/off lamp of the background
inline constexpr QSize kMenuPicture{56, 40};   // the main menu's radio

}  // namespace quorvex::radio_layout
