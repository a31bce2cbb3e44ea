#pragma once

#include <string>
#include <string_view>

namespace geoplait {

// The text that messages give for a failed open, read or write, from its errno value.
std::string ErrorText(int error);

// "<path>: <error text>" and a line break: the message for a file that cannot be opened,
// read or written.
std::string FileFailureMessage(std::string_view path, int error);

}  // namespace geoplait
