// Flexural strength by strain compatibility: the neutral-axis depth found by equilibrium of the
// sliced concrete section and the steel layers, replacing the code-formula strength when the
// design asks for it.
#pragma once

namespace kordel {

class CKordelDoc;

class StrainCompatibility {
public:
    /// Overwrites the depth, nominal and factored strength and phi of every station and both
    /// moment signs in `doc`.
    void ComputeFlexuralStrength(CKordelDoc* doc);
};

/// The program's one strain-compatibility solver.
StrainCompatibility& TheStrainCompatibility();

}  // namespace kordel
