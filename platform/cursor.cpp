#include "platform/cursor.h"

#include <SDL.h>

void hidePointer() { SDL_ShowCursor(SDL_DISABLE); }

void showPointer() { SDL_ShowCursor(SDL_ENABLE); }
