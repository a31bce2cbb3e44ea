#pragma once

#include <span>
#include <string_view>

namespace geoplait::toolkit {

// One image of an icon group; file is the image's path among the program's Qt resources.
struct TIconImage {
  int image_id;
  int width;
  int height;
  int bits_per_pixel;
  std::string_view file;
};

// An icon in several sizes and colour depths; a loader takes the image that fits best.
struct TIconGroup {
  int id;
  std::span<const TIconImage> images;
};

}  // namespace geoplait::toolkit
