// Library files written byte by byte from their layout tables, independently of the program's
// own writers: little-endian int32 and doubles, one-byte flags, strings with a 1-, 3- or 7-byte
// length prefix. Each fixture fills every value with a number of its own, so that a value read
// from the wrong place shows.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace kordel::test {

using Bytes = std::vector<std::uint8_t>;

/// Appends values in the archive encoding.
class ByteWriter {
  public:
    ByteWriter& Byte(std::uint8_t v) {
        m_bytes.push_back(v);
        return *this;
    }
    ByteWriter& U16(std::uint16_t v) {
        for (int i = 0; i < 2; ++i) Byte(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    ByteWriter& U32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) Byte(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    ByteWriter& I32(std::int32_t v) { return U32(static_cast<std::uint32_t>(v)); }
    ByteWriter& F64(double v) {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        for (int i = 0; i < 8; ++i) Byte(static_cast<std::uint8_t>(bits >> (8 * i)));
        return *this;
    }
    /// Length prefix: one byte below 255; 0xFF and 16 bits below 0xFFFE; else 0xFF, 0xFFFF and 32
    /// bits. Then the characters, no terminator.
    ByteWriter& Str(const std::string& s) {
        if (s.size() < 255) {
            Byte(static_cast<std::uint8_t>(s.size()));
        } else if (s.size() < 0xFFFE) {
            Byte(0xFF).U16(static_cast<std::uint16_t>(s.size()));
        } else {
            Byte(0xFF).U16(0xFFFF).U32(static_cast<std::uint32_t>(s.size()));
        }
        m_bytes.insert(m_bytes.end(), s.begin(), s.end());
        return *this;
    }
    std::size_t Size() const { return m_bytes.size(); }
    const Bytes& Data() const { return m_bytes; }

  private:
    Bytes m_bytes;
};

/// Reads the double at `offset` of `bytes` (little-endian).
inline double F64At(const Bytes& bytes, std::size_t offset) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | bytes.at(offset + static_cast<std::size_t>(i));
    return std::bit_cast<double>(bits);
}

inline std::int32_t I32At(const Bytes& bytes, std::size_t offset) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | bytes.at(offset + static_cast<std::size_t>(i));
    return static_cast<std::int32_t>(v);
}

// ---- The section record ------------------------------------------------------------------------
// Values of the fixture section, each its own number.

inline double TemplateValue(int row, int column) {  // elevation, counts, locations
    return row * 100.0 + column;
}
inline double OutlineValue(int point, int c) {
    return c == 0 ? point + 0.25 : point + 0.5;
}
inline double VoidValue(int point, int c) {
    return c == 0 ? -point - 0.75 : point + 0.125;
}
inline double CircleValue(int circle, int c) {
    return circle * 10.0 + c + 1;
}
inline double GenValue(int slot, int table) {  // table 0 widths, 1 depths, 2 extra
    return slot + 0.1 * (table + 1);
}

/// The record's items in the order of the layout from the name to the circles, template rows of
/// `templateValues` values (30, or 3 in the earliest archive records).
inline void WriteSectionCore(ByteWriter& w, const std::string& name, int templateValues) {
    w.Str(name);
    w.F64(767).F64(36.6).F64(545894).F64(3.5).F64(42).F64(72);  // A, yb, I, tf, bf, h
    w.I32(1);                                                   // webs
    w.F64(6).F64(26).F64(6).F64(6.5).F64(14827).F64(3.01);      // bw, bb, tb, bwo, J, V/S
    w.I32(35);                                                  // template rows
    for (int r = 0; r < 50; ++r) {
        for (int c = 0; c < templateValues; ++c) w.F64(TemplateValue(r, c));
    }
    w.I32(1);                 // section type
    w.F64(0.5);               // web location
    w.I32(15).I32(9).I32(3);  // outline, void, circle counts
    for (int i = 0; i < 101; ++i) {
        for (int c = 0; c < 2; ++c) w.F64(OutlineValue(i, c)).F64(VoidValue(i, c));
    }
    for (int k = 0; k < 11; ++k) {
        for (int c = 0; c < 3; ++c) w.F64(CircleValue(k, c));
    }
}

/// The three generator tables (interleaved), template locations and layout.
inline void WriteSectionGenerator(ByteWriter& w) {
    for (int k = 0; k < 11; ++k) {
        for (int t = 0; t < 3; ++t) w.F64(GenValue(k, t));
    }
    w.I32(6).I32(1);  // template locations per row, layout
}

/// A whole .ksl record of `version` as the layout table lays it out: the items of every later
/// format present only from the format that added them (`items` 1.00, 1.01, 1.02 or 1.03),
/// whatever the version field says.
inline Bytes KslFixture(double version, const std::string& name, double items) {
    ByteWriter w;
    w.F64(version);
    WriteSectionCore(w, name, 30);
    WriteSectionGenerator(w);
    w.F64(11.5).F64(37634).F64(22.5);        // further value, Iyy, further value
    if (items > 1.00) w.Byte(1).Byte(2);     // section flags (2 reads as true)
    if (items > 1.01) w.Byte(1).Byte(0x80);  // web fillets, flange fillets
    if (items > 1.02) w.F64(4.0);            // decking
    return w.Data();
}

/// An older section archive: count, identity text, version text, then `records` records named
/// S1, S2, ... of format 3 (a .ksl record without its version and its tail, 15897 + n bytes) or
/// of the earlier format (three values a template row, no generator tables: 4825 + n bytes).
inline Bytes SectionArchiveFixture(int count, const std::string& version, int records, bool format3,
                                   const std::string& tag = "SectionLib.dat") {
    ByteWriter w;
    w.I32(count).Str(tag).Str(version);
    for (int k = 1; k <= records; ++k) {
        WriteSectionCore(w, "S" + std::to_string(k), format3 ? 30 : 3);
        if (format3) WriteSectionGenerator(w);
    }
    return w.Data();
}

// ---- The vehicle record ------------------------------------------------------------------------

/// A vehicle record without the version: name, N axles of (weight, min, max), the lane loads,
/// the tandem byte, the tandem values and the combination code. Axle i: 10 + i kip, spacing
/// 14 + i to 28 + i ft.
inline void WriteVehicleBody(ByteWriter& w, const std::string& name, int axles,
                             std::uint8_t tandem = 1) {
    w.Str(name).I32(axles);
    for (int i = 0; i < axles; ++i) w.F64(10 + i).F64(14 + i).F64(28 + i);
    w.F64(0.64).F64(18).F64(26);  // lane load, P-moment, P-shear
    w.Byte(tandem);
    w.F64(25).F64(24).F64(4);  // tandem axles, spacing
    w.I32(2);                  // combination
}

inline Bytes KtlFixture(double version, const std::string& name, int axles,
                        std::uint8_t tandem = 1) {
    ByteWriter w;
    w.F64(version);
    WriteVehicleBody(w, name, axles, tandem);
    return w.Data();
}

/// A vehicle archive: version text, count, then one record per entry of `axles` (named V1, V2,
/// ... with that many axles), each a .ktl record without its version.
inline Bytes VehicleArchiveFixture(const std::string& version, int count,
                                   const std::vector<int>& axles) {
    ByteWriter w;
    w.Str(version).I32(count);
    for (std::size_t i = 0; i < axles.size(); ++i) {
        WriteVehicleBody(w, "V" + std::to_string(i + 1), axles[i]);
    }
    return w.Data();
}

}  // namespace kordel::test
