#include "platform/program_directory.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

std::optional<std::string> enterProgramDirectory() {
  // The kernel's link names the executable itself, whatever path or symbolic link
  // it was started through.
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length < 0) return std::string("/proc/self/exe: ") + std::strerror(errno);
  if (static_cast<std::size_t>(length) >= path.size()) return std::string("/proc/self/exe: path too long");
  path.resize(static_cast<std::size_t>(length));
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "/proc/self/exe: " + path + " is not an absolute path";
  const std::string directory = slash == 0 ? "/" : path.substr(0, slash);
  if (chdir(directory.c_str()) != 0) return directory + ": " + std::strerror(errno);
  return std::nullopt;
}
