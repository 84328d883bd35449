#pragma once

// Starts the program in the current directory: loads and shows the main window and returns
// true, or shows why the archive "se" cannot be browsed and returns false.
bool startProgram();

namespace enalotto {

class Form32;

// The main window startProgram() opened; null before, after a failed start, or once it has
// closed. The notice and analysis windows follow it, whichever main window opened them.
[[nodiscard]] Form32 *startupWindow();

} // namespace enalotto
