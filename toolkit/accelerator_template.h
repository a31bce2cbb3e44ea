#pragma once

#include <cstdint>
#include <span>

namespace geoplait::toolkit {

// Flags of an accelerator entry, bit for bit as accelerator tables store them.
namespace accel_flag {
inline constexpr std::uint8_t kVirtKey = 0x01;
inline constexpr std::uint8_t kShift = 0x04;
inline constexpr std::uint8_t kControl = 0x08;
inline constexpr std::uint8_t kAlt = 0x10;
// The last entry of the table.
inline constexpr std::uint8_t kLast = 0x80;
}  // namespace accel_flag

// Virtual key codes of the keys that accelerators use.
namespace vk {
inline constexpr std::uint16_t kBack = 0x08;
inline constexpr std::uint16_t kInsert = 0x2D;
inline constexpr std::uint16_t kDelete = 0x2E;
inline constexpr std::uint16_t kF1 = 0x70;
inline constexpr std::uint16_t kF3 = 0x72;
inline constexpr std::uint16_t kF4 = 0x73;
inline constexpr std::uint16_t kF12 = 0x7B;
}  // namespace vk

// One key of an accelerator table and the command it sends.
struct TAcceleratorEntry {
  std::uint8_t flags;
  std::uint16_t key;
  int command;
};

struct TAcceleratorTable {
  int id;
  std::span<const TAcceleratorEntry> entries;
};

}  // namespace geoplait::toolkit
