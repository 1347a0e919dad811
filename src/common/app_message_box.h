// The class library's message box as the program uses it: the application title (string
// 57344) as caption, and an icon added where the type names none.
#pragma once

#include <string>

// Shows text with the given type and returns the button chosen. OK boxes without an icon get
// the exclamation icon, Yes/No boxes without one the question icon.
int AfxMessageBox(const std::string& text, unsigned type);
