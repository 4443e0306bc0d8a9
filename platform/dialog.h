#pragma once
// A modal question with the buttons "Yes" (the default, also on Return), "No" and
// "Cancel" (also on Escape).

#include <optional>
#include <string>

struct QuestionAnswer {
  std::optional<int> answer;  // 1 Yes, 0 No, -1 Cancel; empty when no dialog could be shown
  std::string reason;         // why not, when empty
};

QuestionAnswer askYesNoCancel(const char* title, const char* message);
