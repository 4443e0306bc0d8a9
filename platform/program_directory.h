#pragma once
// Makes the directory that holds the running executable the working directory, so
// that the program's data files resolve beside it wherever it was started from.

#include <optional>
#include <string>

// Returns the reason when it could not.
std::optional<std::string> enterProgramDirectory();
