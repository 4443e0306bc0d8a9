#pragma once
// The one way the program ends on a failure: the message goes to standard error
// as one line, and the process exits with a failure status.

#include <string_view>

[[noreturn]] void fatalError(std::string_view message);
