#include "line_test_guard.h"

#include <array>

namespace geoplait {
namespace {

// What the passes look for, each beginning with the '<' that the guard breaks up.
constexpr std::array<std::string_view, 6> kLineTestTexts = {
    "<wpt", "<trk>", "<trkpt ", "<bounds ", "<name>ACTIVE LOG", "</gpx>",
};

bool StartsLineTestText(std::string_view rest) {
  for (const std::string_view text : kLineTestTexts) {
    if (rest.starts_with(text)) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::string GuardedFromLineTests(const XmlToken& token) {
  std::string_view replacement;
  std::size_t body_start = 0;
  if (token.kind == XmlTokenKind::kCData) {
    replacement = "<]]><![CDATA[";
    body_start = std::string_view("<![CDATA[").size();
  } else if (token.kind == XmlTokenKind::kComment) {
    replacement = "&lt;";
    body_start = std::string_view("<!--").size();
  } else {
    return token.text;
  }
  const std::string_view text = token.text;
  std::string guarded;
  std::size_t copied = 0;
  for (std::size_t at = text.find('<', body_start); at != std::string_view::npos;
       at = text.find('<', at + 1)) {
    if (StartsLineTestText(text.substr(at))) {
      guarded.append(text.substr(copied, at - copied));
      guarded += replacement;
      copied = at + 1;
    }
  }
  if (copied == 0) {
    return token.text;
  }
  guarded.append(text.substr(copied));
  return guarded;
}

}  // namespace geoplait
