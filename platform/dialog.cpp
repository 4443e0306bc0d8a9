#include "platform/dialog.h"

#include <SDL.h>

QuestionAnswer askYesNoCancel(const char* title, const char* message) {
  const SDL_MessageBoxButtonData buttons[] = {
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Yes"},
      {0, 0, "No"},
      {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, -1, "Cancel"},
  };
  const SDL_MessageBoxData box = {
      SDL_MESSAGEBOX_INFORMATION | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT,
      nullptr,
      title,
      message,
      SDL_arraysize(buttons),
      buttons,
      nullptr,
  };
  int hit = -1;
  if (SDL_ShowMessageBox(&box, &hit) != 0) return {std::nullopt, SDL_GetError()};
  // Closing the dialog through the window manager picks no button; that is a
  // refusal, the same as Cancel.
  return {hit == 1 || hit == 0 ? hit : -1, {}};
}
