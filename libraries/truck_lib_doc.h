// The live-load vehicle record of the vehicle library, one vehicle per .ktl file, and the
// standard vehicle HL-93 from which every new library vehicle starts. Values in kip, ft and kip
// per foot; the record never holds metric values. The design keeps its vehicles in records of
// its own (LiveLoadVehicle, VehicleRecord); the axle rows are the same VehicleAxle.
//
// The .ktl layout (little-endian; int32, double, one-byte flag, archive string), for a name of
// n < 255 characters and N axles:
//
//   offset      size   item
//   0           8      format version: 1.0 written, any value read
//   8           1+n    name
//   9+n         4      axle count N, 0 to 100
//   13+n        24 N   each axle: weight, minimum spacing, maximum spacing
//   13+n+24N    24     uniform lane load, lane load for moment, lane load for shear
//   37+n+24N    1      include tandem
//   38+n+24N    24     first and second tandem axle, tandem spacing
//   62+n+24N    4      combination code
//
// The file is 66 + n + 24N bytes; a three-axle "HL-93" is 143.
#pragma once

#include <string>

#include "document/model_records.h"
#include "platform/archive.h"
#include "platform/document.h"

namespace kordel {

class RecordWalker;

/// Format a store writes.
inline constexpr double kTruckLibVersion = 1.0;

struct TruckLibRecord {
    std::string m_strName;                        ///< vehicle name; the file name is made from it
    int m_nAxleCount = 0;                         ///< axles N, 0 to kMaxVehicleAxles
    VehicleAxle m_aAxles[kMaxVehicleAxles] = {};  ///< rows 0 to N - 1; row N - 1 spacings 0
    double m_dLaneLoad = 0;                       ///< uniform lane load, klf
    double m_dLaneMomentLoad = 0;                 ///< concentrated lane load for moment, kip
    double m_dLaneShearLoad = 0;                  ///< concentrated lane load for shear, kip
    int m_bIncludeTandem = 0;                     ///< the tandem is part of the vehicle
    double m_dTandemAxle1 = 0;                    ///< first tandem axle, kip
    double m_dTandemAxle2 = 0;                    ///< second tandem axle, kip
    double m_dTandemSpacing = 0;                  ///< tandem axle spacing, ft
    /// kCombineTruckOrTandemPlusLane or kCombineTruckOrTandemOrLane.
    int m_nCombination = 0;

    bool operator==(const TruckLibRecord&) const = default;
};

/// The standard vehicle "HL-93": axles of 8, 32 and 32 kip at 14 to 28 ft, a lane load of
/// 0.64 klf, the tandem of two 25-kip axles 4 ft apart, truck or tandem each with the lane load.
// AASHTO LRFD 6th ed. Art. 3.6.1.2 (design vehicular live load HL-93)
TruckLibRecord StandardVehicle();

/// Stores `r` in the .ktl layout (axle rows 0 to N - 1 only), or loads a .ktl record into it. A
/// load reads into a fresh, all-zero record (so rows N to 99 come back 0), checks the axle count
/// against the 100 rows and every number for being finite and within its bound, and only then
/// replaces `r`. Throws ArchiveError, leaving `r` as it was, on a short or empty file, a bad
/// count or number; a store throws it, writing nothing, for a record a load would refuse.
void SerializeTruckLibRecord(platform::Archive& ar, TruckLibRecord& r);

/// The record as a document of its own, opened from and saved to a .ktl file by the document
/// framework ("Unexpected file format." for a file the load refuses, an empty one included).
class CTruckLibDoc : public platform::Document, public TruckLibRecord {
  public:
    void Serialize(platform::Archive& ar) override { SerializeTruckLibRecord(ar, *this); }
    std::string DefaultExtension() const override { return "ktl"; }
};

/// The vehicle after the version: what the .ktl file and each record of the vehicle archive
/// hold. Loads into `r` as it reads (callers read into a fresh record).
void WalkTruckLibRecord(RecordWalker& w, TruckLibRecord& r);

}  // namespace kordel
