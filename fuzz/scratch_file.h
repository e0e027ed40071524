// What every harness uses: the check of a property, and the input as text
// or, for the readers that take a path, as a file of this process's own
// (fuzzers may run side by side).
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

// A property of the code under test does not hold: stop with the input.
#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)

namespace fuzz {

inline std::string ScratchPath(std::string_view name) {
  return (std::filesystem::temp_directory_path() /
          ("suite-fuzz-" + std::to_string(::getpid()) + "-" + std::string(name)))
      .string();
}

// The bytes as the whole content of the scratch file `name`; its path.
inline std::string WriteScratch(std::string_view name, std::string_view content) {
  const std::string path = ScratchPath(name);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (!content.empty() && std::fwrite(content.data(), 1, content.size(), file) != content.size()) std::abort();
  if (std::fclose(file) != 0) std::abort();
  return path;
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace fuzz
