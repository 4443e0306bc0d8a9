#include "platform/sdl_clock.h"

#include <SDL.h>

std::uint32_t SdlClock::milliseconds() { return SDL_GetTicks(); }
