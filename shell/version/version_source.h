#pragma once

#include "version_tree_writer.h"

#include <string>
#include <string_view>

namespace geoplait::version {

// Reads the text form of version data, one statement a line:
//   # a comment
//   file-version 1.0.0.0
//   product-version 1.0.0.0
//   file-type application
//   translation 0x0409 0x04E4      (language, code page; one entry each)
//   block 040904E4                 (starts a block of texts)
//   ProductName = Geoplait         (a text of the block above)
// False, with the line and reason in error, when the text does not follow this form.
bool ParseVersionSource(std::string_view source, VersionNode& root, std::string& error);

}  // namespace geoplait::version
