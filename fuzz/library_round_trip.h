// What the fuzz targets of the library files hold a record to: a record that loads stores, and
// its stored bytes load back and store to the same bytes (compared as bytes, so that a value
// carried bit for bit compares whatever it holds). A load that fails leaves the record as it was.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/archive.h"

namespace kordel::fuzz {

/// The bytes a store of `record` writes through `serialize`; traps when the store refuses it.
template <class Record, class Serialize>
std::vector<std::uint8_t> StoreOrTrap(Record& record, Serialize serialize) {
    platform::Archive out;
    try {
        serialize(out, record);
    } catch (const platform::ArchiveError&) {
        __builtin_trap();  // a record the loader accepted that the store refuses
    }
    return out.Bytes();
}

/// Traps unless `record` stores, and its stored bytes load into a fresh record that stores to
/// the same bytes.
template <class Record, class Serialize>
void ExpectRoundTrip(const Record& record, Serialize serialize) {
    Record copy = record;
    const std::vector<std::uint8_t> saved = StoreOrTrap(copy, serialize);
    Record again;
    try {
        platform::Archive reload(saved);
        serialize(reload, again);
    } catch (const platform::ArchiveError&) {
        __builtin_trap();  // a stored record that does not load
    }
    if (StoreOrTrap(again, serialize) != saved) __builtin_trap();
}

/// Loads `bytes` into a record that holds `before`: on success the record must round-trip, on
/// failure it must still hold `before`.
template <class Record, class Serialize>
void LoadOverAndCheck(const std::uint8_t* data, std::size_t size, const Record& before,
                      Serialize serialize) {
    Record record = before;
    const std::vector<std::uint8_t> previous = StoreOrTrap(record, serialize);
    platform::Archive ar(std::vector<std::uint8_t>(data, data + size));
    try {
        serialize(ar, record);
    } catch (const platform::ArchiveError&) {
        // A refusal must leave the record as it was.
        if (StoreOrTrap(record, serialize) != previous) __builtin_trap();
        return;
    }
    ExpectRoundTrip(record, serialize);
}

}  // namespace kordel::fuzz
