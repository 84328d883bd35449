#pragma once

// Starts the program in the current directory: loads and shows the main window and returns
// true, or shows why the archive "se" cannot be browsed and returns false.
bool startProgram();
