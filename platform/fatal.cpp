#include "platform/fatal.h"

#include <cstdio>
#include <cstdlib>

void fatalError(std::string_view message) {
  std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
  std::exit(EXIT_FAILURE);
}
