#pragma once
// Names of the preference file's sections and of the keys that more than
// one place reads or writes.
#include <string_view>

namespace vantrel::pref {

inline constexpr std::string_view Preference = "Preference";
inline constexpr std::string_view Users = "Users";
inline constexpr std::string_view ShowMessages = "Show_Messages";

inline constexpr std::string_view AutoPlay = "AutoPlay";
inline constexpr std::string_view ConfirmQuit = "ConfirmQuit";
inline constexpr std::string_view UserDefault = "UserDefault";
inline constexpr std::string_view Sounds_Enabled = "Sounds_Enabled";
inline constexpr std::string_view Sounds_Splash = "Sounds_Splash";
inline constexpr std::string_view Cards_Animate = "Cards_Animate";
inline constexpr std::string_view MainWindowState_Left = "MainWindowState_Left";
inline constexpr std::string_view MainWindowState_Top = "MainWindowState_Top";
inline constexpr std::string_view MainWindowState_Width = "MainWindowState_Width";
inline constexpr std::string_view MainWindowState_Height = "MainWindowState_Height";
inline constexpr std::string_view MainWindowState_Maximized = "MainWindowState_Maximized";

// Advice shown at start-up on displays of 256 colours or fewer.
inline constexpr std::string_view LowColourAdviceKey = "Screen_Under_256_Colors";
inline constexpr std::string_view LowColourAdvice =
    "At this time your display driver supports 256 colors or less. This program takes advantage of 65,536 colors "
    "(16 bit) or 16.8 million colors (24 bit) palettes or higher resolutions. \rIf your video driver allows High or "
    "True color mode settings (16 bit or 24 bit), modify your screen resolution using Properties for Display in "
    "Control Panel.";

// The system button-face colour as a signed 32-bit colour number.
inline constexpr long DefaultBackgroundColour = -2147483633L;  // 8000000F hexadecimal

}  // namespace vantrel::pref
