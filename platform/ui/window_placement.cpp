#include "platform/ui/window_placement.h"

namespace platform::ui {

namespace {
constexpr int kFields = 11;

std::array<std::int32_t, kFields> Fields(const WindowPlacement& p) {
    return {p.length,        p.flags,         p.showCommand,   p.minPosition.x,
            p.minPosition.y, p.maxPosition.x, p.maxPosition.y, p.normal.left,
            p.normal.top,    p.normal.right,  p.normal.bottom};
}
}  // namespace

std::array<std::uint8_t, kPlacementRecordBytes> EncodePlacement(const WindowPlacement& p) {
    std::array<std::uint8_t, kPlacementRecordBytes> bytes{};
    auto fields = Fields(p);
    for (int f = 0; f < kFields; ++f) {
        auto v = static_cast<std::uint32_t>(fields[static_cast<size_t>(f)]);
        for (int b = 0; b < 4; ++b) {
            bytes[static_cast<size_t>(4 * f + b)] = static_cast<std::uint8_t>(v >> (8 * b));
        }
    }
    return bytes;
}

WindowPlacement DecodePlacement(const std::uint8_t* bytes, std::size_t count,
                                const WindowPlacement& base) {
    auto fields = Fields(base);
    for (int f = 0; f < kFields; ++f) {
        for (int b = 0; b < 4; ++b) {
            size_t at = static_cast<size_t>(4 * f + b);
            if (at >= count) break;
            auto v = static_cast<std::uint32_t>(fields[static_cast<size_t>(f)]);
            v &= ~(0xFFu << (8 * b));
            v |= static_cast<std::uint32_t>(bytes[at]) << (8 * b);
            fields[static_cast<size_t>(f)] = static_cast<std::int32_t>(v);
        }
    }
    WindowPlacement p;
    p.length = fields[0];
    p.flags = fields[1];
    p.showCommand = fields[2];
    p.minPosition = {fields[3], fields[4]};
    p.maxPosition = {fields[5], fields[6]};
    p.normal = {fields[7], fields[8], fields[9], fields[10]};
    return p;
}

}  // namespace platform::ui
