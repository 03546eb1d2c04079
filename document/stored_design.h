// What the readers of every design-file layout share (design_file.cpp for the current layout,
// older_design_files.cpp for the older ones): the copy of the design model that a load reads
// into, the rewrites that every layout applies to some of the values it reads, and the checks a
// design must pass before the document takes it.
#pragma once

#include <utility>

#include "document/kordel_doc.h"

namespace kordel {
namespace design_file {

// ---- Rewrites of values read ------------------------------------------------------------------

constexpr double kSelfWeightMultiplierDefault = 1.0;  ///< replaces a stored 0
/// Ec unit weights that older versions stored as a code; a load reads them as 0.15 kcf.
constexpr double kEcUnitWeightCode1 = 20.0;
constexpr double kEcUnitWeightCode2 = 24.0;
constexpr double kEcUnitWeightDefault = 0.15;          ///< kcf
constexpr double kSplittingSteelStressDefault = 20.0;  ///< ksi, not in the file
constexpr double kRebarEsDefault = 29000.0;            ///< ksi, whatever the file holds

// ---- Parts of tables that a file leaves out --------------------------------------------------

/// Entries of m_adCamberSummary that no layout stores: the post-tensioning camber, 3 to 5.
constexpr int kCamberSummaryFirstUnstored = 3;
constexpr int kCamberSummaryLastUnstored = 5;

/// Stirrup zones in the part of the table every layout holds; zones 12 to 20 sit behind a gate
/// of the current layout.
constexpr int kStirrupZonesBase = 11;

// ---- The design a load reads into ---------------------------------------------------------------

/// What a load reads into: the members the file carries, copied from the document first (so
/// that a file without a gate leaves its members as they were) and put back into the document
/// only when the whole file has been read and checked.
struct StoredDesign : ProjectModel,
                      SectionModel,
                      MaterialsModel,
                      LoadsModel,
                      PrestressModel,
                      OptionsModel,
                      StoredResults {
    explicit StoredDesign(const CKordelDoc& doc)
        : ProjectModel(doc),
          SectionModel(doc),
          MaterialsModel(doc),
          LoadsModel(doc),
          PrestressModel(doc),
          OptionsModel(doc),
          StoredResults(doc),
          m_dPointImpact(doc.m_dPointImpact),
          m_dVehicle1Impact(doc.m_dVehicle1Impact),
          m_dVehicle2Impact(doc.m_dVehicle2Impact) {}

    /// Puts the design into `doc`; moves only, so it cannot fail half way.
    void MoveInto(CKordelDoc& doc) {
        static_cast<ProjectModel&>(doc) = std::move(static_cast<ProjectModel&>(*this));
        static_cast<SectionModel&>(doc) = std::move(static_cast<SectionModel&>(*this));
        static_cast<MaterialsModel&>(doc) = std::move(static_cast<MaterialsModel&>(*this));
        static_cast<LoadsModel&>(doc) = std::move(static_cast<LoadsModel&>(*this));
        static_cast<PrestressModel&>(doc) = std::move(static_cast<PrestressModel&>(*this));
        static_cast<OptionsModel&>(doc) = std::move(static_cast<OptionsModel&>(*this));
        static_cast<StoredResults&>(doc) = static_cast<const StoredResults&>(*this);
        doc.m_dPointImpact = m_dPointImpact;
        doc.m_dVehicle1Impact = m_dVehicle1Impact;
        doc.m_dVehicle2Impact = m_dVehicle2Impact;
    }

    // The dynamic load allowances the file carries; the document keeps them with the live-load
    // results.
    double m_dPointImpact;
    double m_dVehicle1Impact;
    double m_dVehicle2Impact;
};

/// Files before 3.02 keep a force entry of the pretensioning in the strand template: a last row
/// whose elevation truncates to 999 holds the jacking force in its position count, and the two
/// centroids stand in the draped-strand elevation of row 0 of the end and drape-point patterns.
void DerivePretensionForce(const SectionModel& section, PrestressModel& p);

/// Refuses `design` (ArchiveError) unless a save could write it in the current layout: the
/// counts and indices within their arrays, bar sizes within the bar table, numbers finite and
/// within the bounds of what they measure. A reader whose layout does not check its values as it
/// reads them ends with this, so that what the program opens it can also save.
void RequireStorable(StoredDesign& design);

}  // namespace design_file
}  // namespace kordel
