#include "fault_injection.h"

namespace geoplait::testing {
namespace {

// Delivers the lines of an input until a set number of pieces has been read, then fails as a
// disk that cannot be read any more would.
class FailingLineSource final : public LineSource {
 public:
  FailingLineSource(std::unique_ptr<LineSource> input, int lines, int error)
      : input_(std::move(input)), lines_left_(lines), error_(error) {}

  int Error() const override { return failed_ ? error_ : input_->Error(); }

 private:
  bool ReadPiece() override {
    if (lines_left_ == 0) {
      failed_ = true;
      return false;
    }
    --lines_left_;
    if (!input_->ReadLine()) {
      return false;
    }
    SetLine(input_->Line(), input_->EndsPhysicalLine());
    return true;
  }

  std::unique_ptr<LineSource> input_;
  int lines_left_;
  int error_;
  bool failed_ = false;
};

}  // namespace

std::unique_ptr<LineSource> FaultyOpener::Open(const std::string& path, int& error) {
  opened.push_back(path);
  const int number = static_cast<int>(opened.size());
  for (const OpenFault& fault : open_faults) {
    if (fault.open_number == number) {
      error = fault.error;
      return nullptr;
    }
  }
  std::unique_ptr<LineSource> input = files_.Open(path, error);
  if (input) {
    for (const ReadFault& fault : read_faults) {
      if (fault.open_number == number) {
        return std::make_unique<FailingLineSource>(std::move(input), fault.lines_before_error,
                                                   fault.error);
      }
    }
  }
  return input;
}

}  // namespace geoplait::testing
