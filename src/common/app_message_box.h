// The class library's message box as the program uses it: the application title (string
// 57344) as caption, and an icon added where the type names none.
#pragma once

#include <string>

#include "platform/top_windows.h"

// Shows text with the given type and returns the button chosen. OK boxes without an icon get
// the exclamation icon, Yes/No boxes without one the question icon.
int AfxMessageBox(const std::string& text, unsigned type);
// The same with the text of a string-table entry.
int AfxMessageBox(unsigned stringId, unsigned type);

// The window that owns the boxes (the modal dialog shown now); 0 for none.
void SetAppMessageBoxOwner(platform::WindowHandle owner);
platform::WindowHandle AppMessageBoxOwner();
