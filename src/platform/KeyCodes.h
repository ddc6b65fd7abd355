#pragma once

class QKeyEvent;

namespace tav::platform {

// Key codes as the form runtime reports them to KeyUp and KeyDown handlers.
namespace KeyCode {
inline constexpr int Tab = 9;
inline constexpr int Return = 13;
inline constexpr int Space = 32;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Delete = 46;
} // namespace KeyCode

// Shift state bits: 1 Shift, 2 Ctrl, 4 Alt.
namespace ShiftState {
inline constexpr int Shift = 1;
inline constexpr int Ctrl = 2;
inline constexpr int Alt = 4;
} // namespace ShiftState

// The code of a key event: letters as their capital, digits as themselves, the rest by table;
// 0 for keys without a code.
int keyCodeOf(const QKeyEvent& event);
int shiftStateOf(const QKeyEvent& event);

} // namespace tav::platform
