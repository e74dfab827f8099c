#pragma once
// The program's fixed names: its title, the settings address and keys, and the
// support address the error dialog names.
namespace mw {

inline constexpr const char* kProductTitle = "Quindelmarrow Vetch ul Orse Plim Scandivere Tollmark";
inline constexpr const char* kApplicationName = "Marrowind";
// The settings section under which each sequence has a section of its own.
inline constexpr const char* kSequencesSection = "Sequences";
inline constexpr const char* kSupportAddress = "support@marrowind.example";

namespace setting {
inline constexpr const char* kTextbox = "Textbox";
inline constexpr const char* kOftenIndex = "OftenIndex";
inline constexpr const char* kStartStopState = "StartStopState";
inline constexpr const char* kWindowsStartup = "Windows Startup";
inline constexpr const char* kMinimized = "Minimized";
// The on/off hotkey in the key notation; empty turns it off.
inline constexpr const char* kHotkey = "Hotkey";
// The window the main window's typing keeps to, as a rule that finds it again
// once its program has restarted: the program, the exact title, the class.
inline constexpr const char* kTargetProgram = "TargetProgram";
inline constexpr const char* kTargetTitle = "TargetTitle";
inline constexpr const char* kTargetClass = "TargetClass";
}  // namespace setting

inline constexpr const char* kDefaultKeyText = "Keys to automatically type";

inline constexpr const char* kMinimizedBalloonText =
    "has been minimized to the system tray.\r\nClick on the blue 'M' icon (M for Marrowind) to bring the software back.";

}  // namespace mw
