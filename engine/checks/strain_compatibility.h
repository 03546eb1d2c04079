// Flexural strength by strain compatibility: the neutral-axis depth found by equilibrium of the
// sliced concrete section and the steel layers, replacing the code-formula strength when the
// design asks for it.
//
// Plane sections: the strain varies linearly from the usable strain ecu at the compression face
// to zero at the neutral axis at depth c. The concrete follows a curved stress-strain law, the
// strands and tendons the power formula on top of their effective prestrain, the bars an
// elastic-perfectly-plastic law. The depth c is searched until the concrete force balances the
// sum of the steel forces; the moment of the forces about the compression face is Mn.
#pragma once

namespace kordel {

class CKordelDoc;
struct SteelLayer;

/// Stress-strain curve of one concrete, compression positive.
/// Thorenfeldt, Tomaszewicz and Jensen (1987), as given by Collins and Mitchell, Prestressed
/// Concrete Structures (1991), Sec. 3.8, Eq. 3-11 to 3-14, with f'c in ksi.
struct ConcreteCurve {
    double fc = 0;  ///< f'c, ksi
    double Ec = 0;  ///< Ec, ksi
    double n = 0;   ///< curve-fitting factor n = 0.4 f'c + 0.8
    double e0 = 0;  ///< strain at the peak stress, e0 = (n / (n - 1)) f'c / Ec
    double k = 0;   ///< decay factor of the descending branch, 1000 f'c / 9000 + 0.67, at least 1

    /// The curve of a concrete of strength `fc` and modulus `Ec` (ksi).
    static ConcreteCurve Of(double fc, double Ec);
    /// Stress (ksi) at compressive strain `e`: f'c n r / (n - 1 + r^(n k')), r = e / e0, k' = k
    /// beyond the peak and 1 before it. 0 for no compressive strain, and for a curve without a
    /// peak (f'c or Ec not positive, or n <= 1).
    double Stress(double e) const;
};

/// Stress (ksi, tension positive) of a seven-wire strand at total strain `e`, by the power
/// formula f = e (887 + 27613 / (1 + (112.4 |e|)^7.36)^(1/7.36)), kept within -fpu and fpu.
/// PCI Design Handbook 6th ed. Sec. 4.2.1.3 (power formula of Mattock)
double StrandPowerStress(double e, double fpu);

/// Total width (in) of a polygon at height `y` (in): the lengths of the chords of the horizontal
/// line through the polygon (even-odd), the points taken in order and the last joined back to
/// the first. Edges are taken as holding their lower end and not their upper one, so a line
/// through a vertex meets the polygon once. Made for outlines of at most kMaxOutlinePoints
/// points; fewer than three points have no width.
double PolygonWidthAt(int count, const double (*points)[2], double y);

/// One evaluation of the force balance at a trial neutral-axis depth.
struct StrainForceBalance {
    int concreteDone = 0;  ///< 1 when the concrete force could be integrated
    double Fs = 0;         ///< sum of the steel forces, tension positive, kip
    double Cc = 0;         ///< concrete compression force, kip
    double M = 0;          ///< moment of all forces about the compression face, kip-in
    double dt = 0;         ///< depth of the tension steel resultant, in
    double dc = 0;         ///< depth of the concrete force, in
    double dcomp = 0;      ///< depth of all compression (concrete and compression steel), in
};

class StrainCompatibility {
  public:
    /// Overwrites the depth, nominal and factored strength and phi of every station and both
    /// moment signs in `doc`, and fills its strain-compatibility records.
    void ComputeFlexuralStrength(CKordelDoc* doc);

    /// The force balance at station `station` with the neutral axis at depth `c` (in) below
    /// the compression face (the top when `top`, else the girder bottom) of a section `D` in
    /// deep; writes the area and depth entries `sign` of the station's record. The layer depths
    /// must be set for the station (SetLayerDepths).
    StrainForceBalance SumSteelForces(CKordelDoc& doc, int sign, double c, int station, bool top,
                                      double D);

    /// Concrete compression force (kip) and the height of its centroid above the girder bottom
    /// (in) with the neutral axis at height `y0` (in) and the compression face at the top when
    /// `top`, integrated in slices about `slice` in thick. 0 when the girder outline of the
    /// station cannot be found, else 1.
    int SumConcreteForce(const CKordelDoc& doc, double y0, bool top, int station, double slice,
                         double& force, double& yc);

    /// The curves in use: [0] the girder concrete, [1] the deck concrete.
    const ConcreteCurve& Curve(int k) const { return m_aConcrete[k]; }

  private:
    /// Sets each layer's depth below the compression face at `station`.
    void SetLayerDepths(CKordelDoc& doc, int station, bool top, double D);
    /// Solves one station and moment sign; false when it does not balance.
    bool SolveStation(CKordelDoc& doc, int station, int sign, bool top, double D);

    static constexpr int kCurveCount = 2;
    ConcreteCurve m_aConcrete[kCurveCount];  ///< [0] girder, [1] deck
    int m_nConcreteCount = 0;                ///< curves in use
    double m_dTopDepth = 0;  ///< depth reference of the pass under way: D, or 0 (bottom face), in
};

/// The program's one strain-compatibility solver.
StrainCompatibility& TheStrainCompatibility();

}  // namespace kordel
