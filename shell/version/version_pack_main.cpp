// geoplait-version-pack SOURCE OUTPUT: turns the text form of version data into a C++ source
// file whose one array lands in the executable's version section.
#include "version_source.h"
#include "version_tree.h"
#include "version_tree_writer.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

int Fail(const std::string& text) {
  std::fprintf(stderr, "geoplait-version-pack: %s\n", text.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    return Fail("usage: geoplait-version-pack SOURCE OUTPUT");
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    return Fail(std::string("cannot read ") + argv[1]);
  }
  std::ostringstream source;
  source << in.rdbuf();

  geoplait::version::VersionNode root;
  std::string error;
  std::vector<std::byte> bytes;
  if (!geoplait::version::ParseVersionSource(source.str(), root, error) ||
      !geoplait::version::Serialize(root, bytes, error)) {
    return Fail(std::string(argv[1]) + ": " + error);
  }

  std::ostringstream code;
  code << "// Made by geoplait-version-pack from " << argv[1] << ".\n"
       << "namespace {\n"
       << "[[gnu::used, gnu::section(\"" << geoplait::version::kSectionName << "\")]]\n"
       << "alignas(4) const unsigned char kVersionData[] = {";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    code << (i % 16 == 0 ? "\n   " : "") << ' ' << std::to_integer<unsigned>(bytes[i]) << ',';
  }
  code << "\n};\n}  // namespace\n";

  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out << code.str();
  out.close();
  if (!out) {
    return Fail(std::string("cannot write ") + argv[2]);
  }
  return 0;
}
