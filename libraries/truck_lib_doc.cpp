#include "libraries/truck_lib_doc.h"

#include <utility>

#include "libraries/record_walker.h"

namespace kordel {

TruckLibRecord StandardVehicle() {
    TruckLibRecord v;
    v.m_strName = "HL-93";
    v.m_nAxleCount = 3;
    v.m_aAxles[0] = {8.0, 14.0, 28.0};  // kip; ft to axle 2
    v.m_aAxles[1] = {32.0, 14.0, 28.0};
    v.m_aAxles[2] = {32.0, 0.0, 0.0};
    v.m_dLaneLoad = 0.64;  // klf
    v.m_bIncludeTandem = 1;
    v.m_dTandemAxle1 = 25.0;   // kip
    v.m_dTandemAxle2 = 25.0;   // kip
    v.m_dTandemSpacing = 4.0;  // ft
    v.m_nCombination = kCombineTruckOrTandemPlusLane;
    return v;
}

void WalkTruckLibRecord(RecordWalker& w, TruckLibRecord& r) {
    w.String(r.m_strName);
    w.Count(r.m_nAxleCount, kMaxVehicleAxles, "Number of axles");
    for (int i = 0; i < r.m_nAxleCount; ++i) {
        VehicleAxle& axle = r.m_aAxles[i];
        w.Float64(axle.m_dWeight, Quantity::Force);
        w.Float64(axle.m_dMinSpacing, Quantity::Length);
        w.Float64(axle.m_dMaxSpacing, Quantity::Length);
    }
    w.Float64(r.m_dLaneLoad, Quantity::Force);
    w.Float64(r.m_dLaneMomentLoad, Quantity::Force);
    w.Float64(r.m_dLaneShearLoad, Quantity::Force);
    w.Flag(r.m_bIncludeTandem);
    w.Float64(r.m_dTandemAxle1, Quantity::Force);
    w.Float64(r.m_dTandemAxle2, Quantity::Force);
    w.Float64(r.m_dTandemSpacing, Quantity::Length);
    w.Int32(r.m_nCombination);
}

void SerializeTruckLibRecord(platform::Archive& ar, TruckLibRecord& r) {
    RecordWalker w(ar, "vehicle");
    if (ar.IsStoring()) {
        double version = kTruckLibVersion;
        ar.Float64(version);
        WalkTruckLibRecord(w, r);
        return;
    }
    ar.ReadFloat64();  // the version: every file holds the one layout
    TruckLibRecord read;
    WalkTruckLibRecord(w, read);
    r = std::move(read);
}

}  // namespace kordel
