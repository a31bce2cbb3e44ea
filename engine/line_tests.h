#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace geoplait {

// Whether the characters at s are those of text from position from on. The texts looked for
// are a few characters long, too short to be worth a call of memcmp.
[[gnu::always_inline]] inline bool SameFrom(const char* s, std::string_view text,
                                            std::size_t from) {
  for (std::size_t k = from; k < text.size(); ++k) {
    if (s[k] != text[k]) {
      return false;
    }
  }
  return true;
}

// Where text first stands in line, or npos. Every pass asks this of every line, and nearly
// every answer is "nowhere", so the places where the first two characters of text stand are
// found sixteen at a time before any comparison is made. On a short line a call costs as much
// as the search, so it is always inlined.
[[gnu::always_inline]] inline std::size_t FindText(std::string_view line, std::string_view text) {
  const std::size_t n = text.size();
  if (n == 0) {
    return 0;
  }
  if (line.size() < n) {
    return std::string_view::npos;
  }
  const char* s = line.data();
  if (n == 1) {
    const void* at = std::memchr(s, text[0], line.size());
    return at ? static_cast<std::size_t>(static_cast<const char*>(at) - s) : std::string_view::npos;
  }
  // Where text can start and still fit in the line.
  const std::size_t starts = line.size() - n + 1;
  std::size_t i = 0;
#if defined(__SSE2__)
  constexpr std::size_t kWidth = 16;
  if (line.size() > kWidth) {
    const __m128i firsts = _mm_set1_epi8(text[0]);
    const __m128i seconds = _mm_set1_epi8(text[1]);
    // The places window to window + 15, read from s[window] to s[window + 16].
    const auto candidates = [&](std::size_t window) {
      const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + window));
      const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + window + 1));
      return static_cast<unsigned>(
          _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, firsts), _mm_cmpeq_epi8(b, seconds))));
    };
    const auto match = [&](std::size_t window, unsigned mask) {
      if (starts - window < kWidth) {
        mask &= (1U << (starts - window)) - 1;
      }
      for (; mask != 0; mask &= mask - 1) {
        const std::size_t at = window + static_cast<std::size_t>(__builtin_ctz(mask));
        if (SameFrom(s + at, text, 2)) {
          return at;
        }
      }
      return std::string_view::npos;
    };
    for (; i < starts && i + kWidth < line.size(); i += kWidth) {
      if (const unsigned mask = candidates(i)) {
        if (const std::size_t at = match(i, mask); at != std::string_view::npos) {
          return at;
        }
      }
    }
    if (i < starts) {
      // The last places, in a window moved back to end at the line's end; the places it
      // shares with the window before have been looked at.
      const std::size_t window = line.size() - kWidth - 1;
      return match(window, candidates(window) & (~0U << (i - window)));
    }
    return std::string_view::npos;
  }
#endif
  for (; i < starts; ++i) {
    if (s[i] == text[0] && SameFrom(s + i, text, 1)) {
      return i;
    }
  }
  return std::string_view::npos;
}

// Lines are recognised by a fixed piece of text anywhere in them, case-sensitively.
[[gnu::always_inline]] inline bool Contains(std::string_view line, std::string_view text) {
  return FindText(line, text) != std::string_view::npos;
}

// The closing tag ends a section only as a line of its own, with nothing else on it.
inline bool IsClosingGpxTag(std::string_view line) {
  return line == "</gpx>";
}

}  // namespace geoplait
