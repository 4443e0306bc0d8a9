#include "platform/debug_log.h"

#include <utility>

namespace {
DebugLogSink& sink() {
  static DebugLogSink current;
  return current;
}
}  // namespace

void debugLog(std::string_view line) {
  if (sink()) sink()(line);
}

void setDebugLogSink(DebugLogSink newSink) { sink() = std::move(newSink); }
