#pragma once
// The mouse pointer over the display: hidden while the demo runs, shown again at
// the end.

void hidePointer();
void showPointer();
