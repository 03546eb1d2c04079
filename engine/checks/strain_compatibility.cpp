#include "engine/checks/strain_compatibility.h"

#include "document/kordel_doc.h"

namespace kordel {

void StrainCompatibility::ComputeFlexuralStrength(CKordelDoc* /*doc*/) {}

StrainCompatibility& TheStrainCompatibility() {
    static StrainCompatibility solver;
    return solver;
}

}  // namespace kordel
