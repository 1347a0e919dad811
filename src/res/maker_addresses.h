/* The maker's web addresses: one definition for the resource script (the damaged-setup
   message) and the program (uninstall entry, web pages opened after installing). */
#pragma once

#define MAKER_HOME_PAGE "http://www.quillmark.example"
#define MAKER_INSTALL_SCRIPT_PAGE MAKER_HOME_PAGE "/pictorva6/InstScript.asp"
#define MAKER_INSTALLED_PAGE MAKER_HOME_PAGE "/pictorva6/installed.asp"
