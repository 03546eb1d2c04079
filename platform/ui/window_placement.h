// The main window's placement record as the settings file keeps it: eleven 32-bit little-endian
// fields (44 bytes): the record length, flags, show command, minimised position (x, y),
// maximised position (x, y) and the normal rectangle (left, top, right, bottom).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/ui/geometry.h"

namespace platform::ui {

/// Show commands of a placement and of FramePeer::Show.
enum ShowCommand : int {
    kShowHide = 0,
    kShowNormal = 1,
    kShowMinimized = 2,
    kShowMaximized = 3,
    kShowDefault = 10,
};

struct WindowPlacement {
    std::int32_t length = 44;
    std::int32_t flags = 0;
    std::int32_t showCommand = kShowNormal;
    Point minPosition{-1, -1};
    Point maxPosition{-1, -1};
    Rect normal;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

inline constexpr std::size_t kPlacementRecordBytes = 44;

std::array<std::uint8_t, kPlacementRecordBytes> EncodePlacement(const WindowPlacement& p);

/// Decodes the first `count` bytes of a record; fields the bytes do not reach keep the values
/// of `base`.
WindowPlacement DecodePlacement(const std::uint8_t* bytes, std::size_t count,
                                const WindowPlacement& base = WindowPlacement{});

}  // namespace platform::ui
