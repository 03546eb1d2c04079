// One walk of a library record's layout, in either direction of the archive: a store writes each
// member, a load reads it. Counts are checked against their arrays and numbers against the bounds
// of what they measure (document/quantity_bounds.h) in both directions, so that a store refuses
// what a load would refuse, and a record the library saves always opens again. A fault throws
// ArchiveError, which the document open and save operations report.
#pragma once

#include <cstddef>
#include <string>

#include "document/quantity_bounds.h"
#include "platform/archive.h"

namespace kordel {

class RecordWalker {
  public:
    /// `subject` names the record in messages ("section", "vehicle").
    RecordWalker(platform::Archive& ar, const char* subject) : m_ar(ar), m_subject(subject) {}

    bool IsLoading() const { return m_ar.IsLoading(); }

    void Int32(int& v) { m_ar.Int32(v); }
    /// A flag stored as one byte: 1 for non-zero, read back as 0 or 1.
    void Flag(int& v) { m_ar.Bool(v); }
    void String(std::string& v) { m_ar.String(v); }

    /// A value carried unchanged and read by no computation: any bit pattern.
    void Stored(double& v) { m_ar.Float64(v); }

    /// A number the analysis or the section tools use: finite and within the bound of `q`.
    void Float64(double& v, Quantity q) {
        m_ar.Float64(v);
        if (const auto fault = MagnitudeFault(v, q)) {
            throw platform::ArchiveError("The " + std::string(m_subject) + " holds " + *fault +
                                         ".");
        }
    }

    template <std::size_t N>
    void Float64(double (&row)[N], Quantity q) {
        for (double& v : row) Float64(v, q);
    }

    /// An int32 count of entries of an array of `max` entries: 0 to `max`.
    void Count(int& n, int max, const char* what) {
        m_ar.Int32(n);
        if (n < 0 || n > max) {
            throw platform::ArchiveError(std::string(what) + " of the " + m_subject + " is " +
                                         std::to_string(n) + ", outside 0 to " +
                                         std::to_string(max) + ".");
        }
    }

  private:
    platform::Archive& m_ar;
    const char* m_subject;
};

}  // namespace kordel
