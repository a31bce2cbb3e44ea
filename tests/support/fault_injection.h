#pragma once

#include "input_opener.h"
#include "line_source.h"

#include <memory>
#include <string>
#include <vector>

namespace geoplait::testing {

// Opens inputs as files, except that chosen opens fail with a chosen error, and that the
// inputs of chosen opens stop with a read error after some lines. Opens are counted from 1
// across the whole run, so that a fault can be put into one pass: with two inputs, opens 1-2
// are the bounds scan, 3-4 the waypoints and 5-6 the tracks.
class FaultyOpener final : public InputOpener {
 public:
  struct OpenFault {
    int open_number;
    int error;
  };
  struct ReadFault {
    int open_number;
    int lines_before_error;  // pieces delivered before the read that fails
    int error;
  };

  std::vector<OpenFault> open_faults;
  std::vector<ReadFault> read_faults;
  std::vector<std::string> opened;  // every path asked for, in order

  std::unique_ptr<LineSource> Open(const std::string& path, int& error) override;

 private:
  FileInputOpener files_;
};

}  // namespace geoplait::testing
