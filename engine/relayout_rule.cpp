#include "relayout_rule.h"

#include <algorithm>

namespace geoplait {

std::string OnOneLine(std::string tag) {
  std::replace(tag.begin(), tag.end(), '\n', ' ');
  return tag;
}

HeadVerdict JudgeHead(XmlTokenizer& tokens) {
  HeadVerdict verdict;
  XmlToken token;
  // The last line on which markup other than the declaration and the BOM ended.
  int other_markup_line = 0;
  for (;;) {
    if (tokens.Next(token) != XmlTokenizer::Result::kToken) {
      return {};
    }
    if (token.IsElementStart()) {
      break;
    }
    if (token.kind != XmlTokenKind::kText && token.kind != XmlTokenKind::kByteOrderMark &&
        token.kind != XmlTokenKind::kDeclaration) {
      other_markup_line = token.last_line;
    }
  }
  // An empty gpx element has nothing to merge, and its lines are left as they are.
  if (token.kind != XmlTokenKind::kStartTag || token.name != "gpx") {
    return {};
  }
  verdict.gpx_start_tag = OnOneLine(token.text);
  const int gpx_line = token.first_line;
  if (gpx_line > 2 || token.last_line != gpx_line || other_markup_line == gpx_line) {
    verdict.relayout = true;
    return verdict;
  }
  int markup_line = 0;  // the first line after the gpx start tag that holds markup
  int element_starts = 0;
  for (;;) {
    const XmlTokenizer::Result result = tokens.Next(token);
    if (result == XmlTokenizer::Result::kError) {
      return {.relayout = false, .gpx_start_tag = verdict.gpx_start_tag};
    }
    if (result == XmlTokenizer::Result::kEnd) {
      break;
    }
    if (token.kind == XmlTokenKind::kText) {
      continue;
    }
    if (token.first_line == gpx_line) {
      verdict.relayout = true;
      return verdict;
    }
    if (markup_line == 0) {
      markup_line = token.first_line;
    } else if (token.first_line != markup_line) {
      break;
    }
    if (token.IsElementStart() && ++element_starts > 1) {
      verdict.relayout = true;
      return verdict;
    }
  }
  return verdict;
}

}  // namespace geoplait
