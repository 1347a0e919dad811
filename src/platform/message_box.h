// Message boxes: MessageBoxA without an owner window. Types and answers carry their Windows
// values.
#pragma once

#include <string>

namespace platform {

inline constexpr unsigned kMbOk = 0x00;
inline constexpr unsigned kMbOkCancel = 0x01;
inline constexpr unsigned kMbYesNoCancel = 0x03;
inline constexpr unsigned kMbYesNo = 0x04;
inline constexpr unsigned kMbTypeMask = 0x0F;
inline constexpr unsigned kMbIconQuestion = 0x20;
inline constexpr unsigned kMbIconExclamation = 0x30;
inline constexpr unsigned kMbIconMask = 0xF0;

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// Shows the box and returns the button the user chose.
int ShowMessageBox(const std::string& text, const std::string& caption, unsigned type);

} // namespace platform
