#include "resource_ids.h"
#include "shell_resources.h"

namespace geoplait::resources {

namespace {

using toolkit::TIconImage;

// Group 1 comes first, so it is also the program's icon on the desktop.
constexpr TIconImage kGroup1Images[] = {
    {4, 32, 32, 8, ":/icons/group1-32x32-8bit.png"},
};

constexpr TIconImage kGroup1001Images[] = {
    {1, 32, 32, 4, ":/icons/group1001-32x32-4bit.png"},
    {2, 32, 32, 1, ":/icons/group1001-32x32-1bit.png"},
    {3, 16, 16, 4, ":/icons/group1001-16x16-4bit.png"},
};

}  // namespace

const toolkit::TIconGroup kIconGroup1{kMainIcon, kGroup1Images};
const toolkit::TIconGroup kIconGroup1001{kSpareIcon, kGroup1001Images};

}  // namespace geoplait::resources
