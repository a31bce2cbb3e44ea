#pragma once

#include "xml_tokenizer.h"

#include <string>
#include <string_view>

namespace geoplait {

// The passes find sections by texts such as "<wpt" and "<trk>" anywhere in a line, so a
// comment or a CDATA section that holds one would pass for the element itself and cut a
// section in the wrong place. This gives such a token in a form that holds none of those
// texts: a CDATA section is split after the '<' (its data stays the same); in a comment the
// '<' is written "&lt;". Every other token, and one that holds none of the texts, comes back
// unchanged.
std::string GuardedFromLineTests(const XmlToken& token);

}  // namespace geoplait
