#include "recording_host.h"

namespace geoplait::testing {

std::ostream& operator<<(std::ostream& os, const RecordedMessage& message) {
  return os << "{\"" << message.text << "\", \"" << message.caption << "\", " << message.style
            << "}";
}

RecordedMessage Box(std::string text, int style) {
  return {std::move(text), std::string(kMessageCaption), style};
}

}  // namespace geoplait::testing
