#pragma once
// What runs once the display is set up, until the user presses Escape.

class Clock;
class Keyboard;

void runMainRoutine(Keyboard& keyboard, Clock& clock);
