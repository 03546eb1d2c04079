// What a design loop leaves in the document, kept bit for bit, so that two ways of running the
// loop can be shown to leave the same design: the strand pattern and its groups, the status
// codes, the stresses, forces, losses, strength and camber of the final analysis, the reports and
// the messages.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "test_support.h"

namespace kordel::test {

class DesignLoopSnapshot {
  public:
    /// The document after a design loop that returned `result`, with the messages of the loop.
    DesignLoopSnapshot(const CKordelDoc& d, int result,
                       const std::vector<platform::HeadlessHost::Message>& messages) {
        Add("result", result);
        Add("m_aEndRows", d.m_aEndRows);
        Add("m_aDrapeRows", d.m_aDrapeRows);
        Add("m_nStrandGroupCount", d.m_nStrandGroupCount);
        Add("m_aStrandGroup", d.m_aStrandGroup);
        Add("m_nStrandCount", d.m_nStrandCount);
        Add("m_anLoadTableStatus", d.m_anLoadTableStatus);
        Add("m_aServiceStress", d.m_aServiceStress);
        Add("m_aPrestressStress", d.m_aPrestressStress);
        Add("m_adPrestressForceRelease", d.m_adPrestressForceRelease);
        Add("m_adEffectivePrestress", d.m_adEffectivePrestress);
        Add("m_adStrandEccentricity", d.m_adStrandEccentricity);
        Add("m_adTotalLoss", d.m_adTotalLoss);
        Add("m_aMuFlexure", d.m_aMuFlexure);
        Add("m_aFlexureMr", d.m_aFlexureMr);
        Add("m_aFlexureC", d.m_aFlexureC);
        Add("m_adMinFlexureRatio", d.m_adMinFlexureRatio);
        Add("m_adDeflectionSummary", d.m_adDeflectionSummary);
        m_report = d.Report();
        m_summary = d.GirderSummary();
        for (const auto& m : messages) m_messages.push_back(m.text);
    }

    /// Adds a failure naming the first value, report line or message that differs from `other`.
    void ExpectSameAs(const DesignLoopSnapshot& other) const {
        ASSERT_EQ(m_fields.size(), other.m_fields.size());
        for (size_t f = 0; f < m_fields.size(); ++f) {
            const Field& a = m_fields[f];
            const Field& b = other.m_fields[f];
            ASSERT_EQ(a.bytes.size(), b.bytes.size()) << a.name;
            if (a.bytes == b.bytes) continue;
            for (size_t i = 0; i + 8 <= a.bytes.size(); i += 8) {
                if (std::memcmp(&a.bytes[i], &b.bytes[i], 8) == 0) continue;
                ADD_FAILURE() << a.name << ": differs at value " << i / 8 << " (as doubles "
                              << Double(a, i) << " and " << Double(b, i) << ")";
                return;
            }
            ADD_FAILURE() << a.name << " differs";
            return;
        }
        ExpectSameLines("report", m_report, other.m_report);
        ExpectSameLines("girder summary", m_summary, other.m_summary);
        ExpectSameLines("messages", m_messages, other.m_messages);
    }

  private:
    struct Field {
        std::string name;
        std::vector<unsigned char> bytes;
    };

    template <class T>
    void Add(const char* name, const T& value) {
        static_assert(std::is_trivially_copyable_v<T>);
        Field f{name, std::vector<unsigned char>(sizeof(T))};
        std::memcpy(f.bytes.data(), &value, sizeof(T));
        m_fields.push_back(std::move(f));
    }

    static double Double(const Field& f, size_t at) {
        double v = 0;
        std::memcpy(&v, &f.bytes[at], sizeof v);
        return v;
    }

    static void ExpectSameLines(const char* what, const std::vector<std::string>& a,
                                const std::vector<std::string>& b) {
        ASSERT_EQ(a.size(), b.size()) << what << ": line counts";
        for (size_t i = 0; i < a.size(); ++i) {
            if (a[i] != b[i]) {
                ADD_FAILURE() << what << " line " << i << ":\n  " << a[i] << "\n  " << b[i];
                return;
            }
        }
    }

    std::vector<Field> m_fields;
    std::vector<std::string> m_report, m_summary, m_messages;
};

}  // namespace kordel::test
