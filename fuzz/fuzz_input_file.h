#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace geoplait::fuzzing {

// A scratch directory for the whole fuzzing process, removed at exit.
const std::string& ScratchDir();

// Writes bytes to a file of the scratch directory and returns its path.
std::string WriteScratchFile(std::string_view name, std::string_view bytes);

// The whole content of a file, or "<unreadable>".
std::string ReadWholeFile(const std::string& path);

// Stops the process with a message: libFuzzer then keeps the input that did it.
[[noreturn]] void Fail(const char* what);

}  // namespace geoplait::fuzzing
