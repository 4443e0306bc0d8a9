#pragma once
// Diagnostic lines. An ordinary run shows none of them; a developer (or a test)
// can install a sink that receives each line.

#include <functional>
#include <string_view>

using DebugLogSink = std::function<void(std::string_view line)>;

void debugLog(std::string_view line);

// Installs `sink` (an empty one restores the silent default).
void setDebugLogSink(DebugLogSink sink);
