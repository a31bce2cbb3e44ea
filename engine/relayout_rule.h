#pragma once

#include "xml_tokenizer.h"

#include <string>

namespace geoplait {

// What the head of an input says about how the passes may read it.
struct HeadVerdict {
  // The passes find one element per line only after a re-layout.
  bool relayout = false;
  // The gpx start tag, every line break in it turned into a blank; empty when none was found.
  std::string gpx_start_tag;
};

// Reads tokens from the start of an input only as far as the rule needs: to the end of the
// first line after the gpx start tag that holds markup. An input is re-laid out when its gpx
// start tag (the document's first start tag) does not begin on line 1 or 2, does not end on
// the line where it begins, or shares its line with markup other than an XML declaration and
// a byte order mark before it; or when that first line with markup after it holds more than
// one element start tag. A head that cannot be tokenised, or that has no gpx start tag, is
// read as it stands.
HeadVerdict JudgeHead(XmlTokenizer& tokens);

// The tag as it stands on one line: every line feed in it becomes one blank.
std::string OnOneLine(std::string tag);

}  // namespace geoplait
