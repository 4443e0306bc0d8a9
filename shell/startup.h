#pragma once
// The program from launch to the main routine: working directory, the fullscreen
// question, the display, the projection and the GL state. Failures on the way are
// fatal errors; Cancel ends the program with status 0 before any window exists.

class Clock;
class Keyboard;

using MainRoutine = void (*)(Keyboard& keyboard, Clock& clock);

inline constexpr const char* kApplicationTitle = "particles";

// Runs start-up, then `mainRoutine` with the keyboard and clock of the display.
// Returns the exit status.
int runStartup(MainRoutine mainRoutine);
