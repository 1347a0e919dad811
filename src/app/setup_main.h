// The program's entry in portable terms: the argument vector of the C runtime.
#pragma once

int SetupMain(int argc, char** argv);
