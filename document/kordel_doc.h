// The design document: one object holds a whole design, every input of the design model, every
// work array and result of the engine, and the line arrays of the reports. The engine consists
// of its methods, driven by RunAnalysis. The document is large and always lives on the heap:
// create it with CreateObject.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "document/analysis_results.h"
#include "document/analysis_stage.h"
#include "document/model_limits.h"
#include "document/results_stations.h"
#include "document/results_section.h"
#include "document/results_strands.h"
#include "document/results_creep.h"
#include "document/results_liveload.h"
#include "document/results_frame.h"
#include "document/results_continuity.h"
#include "document/results_load_effects.h"
#include "document/results_prestress.h"
#include "document/results_stresses.h"
#include "document/results_detensioning.h"
#include "document/results_handling.h"
#include "document/results_camber.h"
#include "document/results_flexure.h"
#include "document/results_steel_layers.h"
#include "document/results_shear.h"
#include "document/results_interface_shear.h"
#include "document/results_rating.h"
#include "document/results_design.h"
#include "document/results_model_3d.h"
#include "document/model_loads.h"
#include "document/model_materials.h"
#include "document/model_options.h"
#include "document/model_prestress.h"
#include "document/model_project.h"
#include "document/model_section.h"
#include "platform/document.h"

namespace kordel {

/// Version text written into every design file.
inline constexpr const char* kDesignFileVersion = "4.62";
/// Signature written first into every design file.
inline constexpr const char* kDesignFileSignature = "Kordel";

class CKordelDoc : public platform::Document,
                   public ProjectModel,
                   public SectionModel,
                   public MaterialsModel,
                   public LoadsModel,
                   public PrestressModel,
                   public OptionsModel,
                   public AnalysisResults,
                   public StationResults,
                   public SectionResults,
                   public StrandResults,
                   public CreepResults,
                   public LiveLoadResults,
                   public FrameResults,
                   public ContinuityResults,
                   public LoadEffectResults,
                   public PrestressResults,
                   public StressResults,
                   public DetensioningResults,
                   public HandlingResults,
                   public CamberResults,
                   public FlexureResults,
                   public SteelLayerResults,
                   public ShearResults,
                   public InterfaceShearResults,
                   public RatingResults,
                   public DesignResults,
                   public Model3DResults {
public:
    /// A new document with the constructor's design, on the heap.
    static std::unique_ptr<CKordelDoc> CreateObject();
    ~CKordelDoc() override;

    // ---- Document operations ------------------------------------------------------------
    void Serialize(platform::Archive& ar) override;
    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;
    void OnCloseDocument() override;
    virtual void BuildTextReport();
    virtual void BuildGirderSummary();
    /// File Close: asks to save a modified design; closes unless the user cancels.
    virtual void CloseJob();

    std::string DefaultExtension() const override { return "kdx"; }
    std::string FileFilter() const override { return "Kordel Files (*.kdx)|*.kdx||"; }

    /// The part of `path` after its last folder separator ('\\' or '/').
    static std::string ExtractFileName(const std::string& path);
    /// Reads the design file at `path` into a scratch design that is thrown away, with the main
    /// frame left as it is (its state, the open design's views and the status bar). Shows why
    /// and returns false when the file cannot be read as a design; a caller replacing the open
    /// design asks this before it closes that design.
    static bool CanReadDesignFile(const std::string& path);

    // ---- Design model routines ----------------------------------------------------------------
    /// Resets the specification-dependent factors by m_nSpecification (1 LRFD, otherwise the
    /// Standard Specifications); the load and resistance factors only when m_bAutoFactors is set.
    void SetDefaultFactors();
    /// Resets the four colours of the 3D model.
    void SetDefaultModelColors();
    /// Builds the 3D model of the girder into m_model3D from the outline, the voids, the girder
    /// length and height and the strand groups: side faces, end faces cut into triangles, the
    /// void's faces, a cylinder per circular void, the wireframe edges and a line per strand,
    /// centred on the origin, in ft. Every face's corners run so that its normal
    /// (Q - P) x (R - P) points out of the solid it bounds.
    void BuildModel3D();
    /// Fills the working camber multipliers from the entered ones by the fixed mapping.
    void ApplyCamberMultiplierSet();
    /// Writes built-in example design `example` (1 to 4, SeedChoice) into the model, without
    /// analysing it; false, with nothing changed, for any other number.
    bool BuildExampleDesign(int example);

    // ---- Strand pattern routines ------------------------------------------------------------
    /// Count and centroid of the first m_nTemplateRowCount rows of a pattern.
    void GetStrandCountAndCentroid(const StrandPatternRow* rows, int& count, double& centroid) const;
    /// Rebuilds every strand group from the patterns and the template.
    void RebuildStrandGroups();

    // ---- Girder geometry ----------------------------------------------------------------------
    /// End value of load case `k` at the left (`side` 0) or right support line of the current
    /// span, extrapolated from the shear diagram between stations 0 and 10 (90 and 100); a
    /// magnitude, never negative.
    double ExtrapolateSpanEndValue(int k, int side) const;
    /// The concrete section at station `station` (ducts never deducted; `flag` is accepted for the
    /// callers that pass one and not read): area in2, centroid yb in, inertia in4 and web width
    /// bw in. The gross values with result 1 when end blocks are off or the station is out of
    /// range, otherwise what GetEndZoneSectionProps gives.
    int GetStationSectionProps(int station, int flag, double& A, double& yb, double& I,
                               double& bw) const;
    /// The section at `x` ft from the left girder end, with the end block or the solid end of
    /// the section type; 0 with the gross values when the outline could not be widened.
    int GetEndZoneSectionProps(double x, double& A, double& yb, double& I, double& bw) const;
    /// The girder outline at `x` ft from the left girder end: the stored outline, or the end-block
    /// outline of an I-girder or the closed end of a U-beam. 0 (with the stored outline) when an
    /// I-girder's web faces or a U-beam's top cannot be found.
    int GetSectionOutlineAt(double x, double (&points)[kMaxOutlinePoints][kPointValueCount],
                            int& count) const;
    /// Area (in2) of the concrete section at `station` below height `y` (in), voids deducted
    /// outside the solid end zone.
    double GetAreaBelow(int station, double y) const;
    /// Slope angle (radian) of tendon `tendon`'s parabola at `station`; 0 for a profile of zero
    /// length or an index out of range.
    double GetTendonAngle(int tendon, int station) const;
    /// Developed strand area (in2) and its centroid height (in) at every station for the strands
    /// at or below `h` (in), from transfer length `lt` (ft), effective stress `fe` (ksi),
    /// development lengths `ld` and `ldDebonded` (ft) and full stress `fps` (ksi); fills
    /// m_aStrandRowDevelopment and, with post-tensioning, m_aTendonDevelopment.
    void ComputeStrandDevelopment(double h, const StrandGroup* groups,
                                  double (&area)[kStationCount], double (&centroid)[kStationCount],
                                  double lt, double fe, double ld, double ldDebonded, double fps);
    /// 1 when any of the first m_nStrandGroupCount groups has value k + 2 above 0 (k 1 the end
    /// debond length, 2 the mid debond length), else 0.
    int HasDebonding(const StrandGroup* groups, int k) const;
    /// Modulus-of-rupture coefficient on sqrt(f'c), f'c in ksi, of density class `densityClass`.
    double GetRuptureCoefficient(int densityClass) const;
    /// Stress-block factor alpha1 for concrete strength `fc`, ksi.
    double GetStressBlockFactor(double fc) const;

    // ---- Distribution factors and dynamic load allowance -----------------------------------
    /// One computation of the distribution factors with the current m_nLanes; run by
    /// ComputeDistributionFactors only.
    void ComputeDistributionFactorsForLanes();
    /// Lever-rule factor (lanes, no multiple presence) of a girder next to the deck edge, with
    /// beam spacing S and curb distance de, ft.
    double LeverRuleExterior(double S, double de) const;
    /// Lever-rule factor (lanes, no multiple presence) of an interior girder for m_nLanes lanes.
    double LeverRuleInterior(double S) const;
    /// Dynamic load allowance of vehicle 1 (`vehicle` 1) or vehicle 2 (any other value) for
    /// moment and at every station; under LRFD also the fatigue allowance.
    void ComputeImpactFactors(int vehicle);

    // ---- Prestress and stresses ---------------------------------------------------------------
    /// The losses of a girder that is post-tensioned as well as pretensioned (m_nPrestressType 2
    /// with at least one tendon): ComputeLosses takes this road after its common start and before
    /// the percentages of the release and final losses.
    void ComputeLossesWithPostTensioning();

    // ---- Continuous-beam model --------------------------------------------------------------
    /// Models the chain of m_nSpans spans as a plane frame (a node at every tenth point, the
    /// composite section at mid-span, a pin at the left end, rollers at the other supports) and
    /// loads it. `kind` kBeamStaticLoad: a uniform load `w` (klf, downward positive) on every
    /// span, one solution left in the frame result tables. Any other kind: the moving loads of
    /// m_recCurrentVehicle (`w` ignored), enveloped per span and tenth point into
    /// m_aMovingLoadEnvelope and per support into m_aFrameSupportEnvelope. A chain it cannot
    /// model (span count, a span length, the section or Ec, a load that is not a number) shows a
    /// message and leaves every result 0 with m_bFrameSolveFailed set.
    void AnalyzeContinuousBeam(int kind, double w);

    // ---- Handling statics -------------------------------------------------------------------
    /// Moment M (kip-ft), shear right of the section V and left of it V2 (kip) at `x` (ft from
    /// the girder's left end) of the girder on supports at `xl` and `xl + d` (ft) under the
    /// handling loads of groups `firstGroup` to `lastGroup`; R4 and R5 are always 0.
    void ComputeHandlingEffects(double x, int firstGroup, int lastGroup, double xl, double d,
                                double& M, double& V, double& V2, double& R4, double& R5) const;

    // ---- Load effects -----------------------------------------------------------------------
    /// Per-girder barrier and future wearing-surface loads of the variable load modes
    /// (m_dBarrierLoad, m_dWearingSurfaceLoad); the constant modes keep the loads entered.
    void ComputeCompositeLineLoads();
    /// The live-load half of ComputeLoadEffects: the moving-load analysis of both vehicles on the
    /// continuous-beam model while m_bLoadEffectsDirty is set, then on every run the vehicle
    /// combination, the fatigue truck and the pedestrian load. `ia` and `ib` are the first and
    /// last station of the positive-moment region of the current span (stations 0 to 100);
    /// `modelUsable` is false when the continuous-beam model is not to be loaded (the chain could
    /// not be modelled, or there is no girder section yet).
    void ComputeLiveLoadEffects(int ia, int ib, bool modelUsable);
    /// Value `value` of the span table `table` (one of m_aSpanEnvelope1 to 18) for the current
    /// span at station `station`, interpolated between the tenth points.
    double SpanTableAtStation(const SpanEnvelope* table, int value, int station) const;
    /// The current span's slot when it is one of the spans of the chain (1 to m_nSpans), else 0.
    int CurrentSpanSlot() const;
    /// The last span slot that the span tables and the moving-load envelopes may hold values in:
    /// the design's last span, or a higher one that an earlier analysis wrote (m_nSpanSlotsUsed,
    /// raised here). Whatever clears or copies whole tables stops there; the slots above were
    /// never written and read 0 from the document's zeroed storage.
    int UsedSpanSlots();
    /// The static solution of the continuous-beam model left in the frame result tables, into
    /// value `value` (SpanEnvelopeValue) of the moment, shear, rotation and deflection span
    /// tables at every tenth point and of m_aSpanSummary at every support; zeros when `solved`
    /// is false.
    void StoreStaticBeamSolution(int value, bool solved);
    /// Sets m_bCheckSingleLane and recomputes the distribution factors when it was not set, so
    /// that the one-lane factors of the permit-vehicle combination exist.
    void UseSingleLaneFactors();
    /// Sets every load effect, vehicle envelope, composite deflection and span table value that
    /// is not a number to 0, with one message; true when there was one.
    bool ClearNonFiniteLoadEffects();

    // ---- Post-tensioning, restraint and detensioning -----------------------------------------
    /// The time-stepping analysis of the restraint moments of a continuous girder (NCHRP Report
    /// 322 with the ACI 209 functions): fills the time-dependent results of ContinuityResults;
    /// run by ComputeContinuityRestraint.
    void ComputeTimeDependentEffects();

    // ---- Handling checks ----------------------------------------------------------------------
    /// Empties the handling load list and fills it with the girder's weight, its end blocks and
    /// the `impactCount` impacts (load group and signed fraction of the weight) in that order.
    void BuildHandlingLoads(const HandlingImpact* impacts, int impactCount);
    /// Stresses and flexural strength of the bare girder at every station on supports at `a`
    /// and `a + l` (ft from the left end) with the impact of load group `groupDown` and of
    /// `groupUp`, concrete strength `fc` and rupture stress `fr` (ksi, positive), and the area,
    /// bottom and top section moduli per station; fills `R` and the compression-zone, strand and
    /// bar arrays of the handling results. The caller builds the load list first.
    void ComputeHandlingStrength(HandlingStrengthArrays& R, double a, double l, int groupDown,
                                 int groupUp, double fc, double fr,
                                 const double (&A)[kStationCount],
                                 const double (&Sb)[kStationCount],
                                 const double (&St)[kStationCount]);
    /// Girder bar rows crossing each station, split at height `level` (in) into the rows at or
    /// below it and those at or above it: area (in2) and area-weighted height (in).
    void GetGirderBarsBySide(int rowCount, const double (*rows)[kRebarRowValueCount],
                             double (&area)[kStationCount][kGirderBarSideCount],
                             double (&centroid)[kStationCount][kGirderBarSideCount],
                             double level) const;
    /// Stress-block factor beta1 of concrete strength `fc` (ksi).
    double GetBeta1(double fc) const;
    /// Release tension, compression and rupture limits at m_dStripFci.
    void SetReleaseAllowables();

    // ---- Service and strength effects -----------------------------------------------------
    /// Load modifier eta = eta_D eta_R eta_I of the strength limit states under LRFD, 1.0 under
    /// the Standard Specifications.
    double StrengthLoadModifier() const;
    /// Factored Strength I moments at the left and right piers of the current span of a
    /// continuous girder into m_dLeftPierMoment and m_dRightPierMoment; untouched when the
    /// current span is not one of the chain.
    void ComputePierMoments();

    // ---- Flexural strength and bar development --------------------------------------------------
    /// Deck bar rows crossing each station (start <= x + m_dEndDistance <= end, ft): area (in2)
    /// and area-weighted height above the bottom of the deck (in; 0 where the area is 0).
    void GetDeckBarsAtStations(int rowCount, const double (*rows)[kRebarRowValueCount],
                               double (&area)[kStationCount],
                               double (&centroid)[kStationCount]) const;
    /// As GetDeckBarsAtStations with the station measured from the left support line of the
    /// current span: x + m_adGirderOffsetLeft + m_adPadOffsetLeft of that span.
    void GetDeckBarsFromSupport(int rowCount, const double (*rows)[kRebarRowValueCount],
                                double (&area)[kStationCount],
                                double (&centroid)[kStationCount]) const;
    /// Tension and compression development lengths (ft) of one bar by the Standard
    /// Specifications: bar `height` above the girder bottom (in), bar size, bar type (0 straight,
    /// 1 hooked, 2 none), fy and f'c (ksi) and the concrete density class.
    void GetBarDevelopmentLengthStd(double height, int barSize, int barType, double fy, double fc,
                                    int concreteClass, double* tension, double* compression) const;
    /// As GetBarDevelopmentLengthStd by the LRFD Specifications, with the concrete density
    /// modification factor `lambda`.
    void GetBarDevelopmentLengthLrfd(double height, int barSize, int barType, double fy, double fc,
                                     int concreteClass, double lambda, double* tension,
                                     double* compression) const;

    // ---- Preliminary design -------------------------------------------------------------------
    /// Proposes a strand pattern from the template: strands added from the bottom row up until
    /// the final bottom tension and the strength at mid-span pass, then the draped strands
    /// raised at the end until the release stresses there pass; analyses the design and tells
    /// the outcome in a message box. `search` chooses how the draped strands are raised. True
    /// when the design passes every check the outcome lists ("Preliminary solution found.").
    bool DesignStrandPattern(DrapeSearch search = DrapeSearch::Bisection);
    /// Proposes end-debonding lengths in steps of m_dDebondLengthStep so that the estimated
    /// release stresses near the ends stay within their limits; analyses the design and tells
    /// the outcome in a message box. Refuses, with a message, a step that is not positive. True
    /// when it ends with a pattern ("found", or no debonding needed); false when none was found
    /// or the design was not run.
    bool DesignDebonding();
    /// The strand design of one load-table case, without messages, on the checks asked for
    /// (at least one): strands are added until the final tension at mid-span (stress) and Mu <=
    /// Mr at mid-span (strength) pass. 1 when the final design passes the final tension and
    /// compression (stress) and Mr / Mu >= 1 (strength) at mid-span, else 0; writes
    /// m_anLoadTableStatus. `search` chooses how the draped strands are raised.
    int DesignLoadTableStrands(LoadTableChecks checks, DrapeSearch search = DrapeSearch::Bisection);
    /// The shortened analysis that a design loop reruns after changing the strand pattern.
    void RunDesignAnalysis(DesignAnalysis kind);

    // ---- Vertical shear -----------------------------------------------------------------------
    /// theta (degrees) of Table B5.2-1 at strain `ex` (not scaled) and `vfc` = v / f'c, with the
    /// axes and the bracketing indices (strain lower, upper, v/f'c lower, upper).
    double LookupShearTheta(double ex, double vfc, const double* strainAxis,
                            const double* stressAxis, int strainLower, int strainUpper,
                            int stressLower, int stressUpper) const;
    /// beta of Table B5.2-1, arguments as LookupShearTheta.
    double LookupShearBeta(double ex, double vfc, const double* strainAxis,
                           const double* stressAxis, int strainLower, int strainUpper,
                           int stressLower, int stressUpper) const;
    /// Index of the last entry of axis[0..last] below `value` (0 when none is).
    int FindLastBelow(const double* axis, double value, int last) const;
    /// Index of the first entry of axis[0..last] not below `value` (`last` when all are below).
    int FindFirstNotBelow(const double* axis, double value, int last) const;
    /// fpc, the compressive stress at the composite centroid (or at the web-flange junction when
    /// the centroid lies in the flange), and the section modulus used, per station.
    void ComputeShearFpc();

    // ---- Analysis ---------------------------------------------------------------------------
    /// Analyses the design from end to end: every stage in its fixed order, then the reports.
    void RunAnalysis();

    // Stages, in the order RunAnalysis runs them.
    void AdjustDeckedBulbTee(int apply);
    void ComputeStations();
    void ComputeTendonGeometry();
    void ComputeCreepShrinkage();
    void ComputeSectionProperties();
    void ComputeDistributionFactors();
    void ComputeLoadEffects();
    void ComputeSimpleSpanLoadEffects();
    void ComputeSpanEndValues();
    void ComputeContinuityRestraint();
    void ComputeLoadCaseStresses();
    void ComputeStrandForceReduction();
    void ComputeTendonEccentricity();
    void ComputeLosses();
    void ComputeEffectivePrestress();
    void ComputeTendonForces();
    void ComputePrestressStresses();
    void ComputeTendonStresses();
    void CombineServiceStresses();
    void ComputeAllowableStresses();
    void ComputeReleaseTensionSteel();
    void ComputeFactoredEffects();
    void ComputeFlexuralStrength();
    void BuildSteelLayers();
    void ComputeSplittingSteel();
    void ComputeVerticalShear();
    void ComputeInterfaceShear();
    void ComputeCamber();
    void SummarizeStrandPattern();
    void ComputeLoadRating();
    void ShowDesignStatus();
    void CheckStripping();
    void CheckLifting();
    void CheckShipping();
    void CheckDetensioning();

    // ---- Plane-frame solver -----------------------------------------------------------------
    /// Solves the plane frame held in the frame model tables (document/results_frame.h) and
    /// leaves node displacements, member end forces and support reactions in the result tables;
    /// runs the six steps below in order. A model the solver cannot take leaves every result 0
    /// and sets m_bFrameSolveFailed, which the caller must test: a table count outside 0 to its
    /// capacity, a node number, restraint digit, direction, release or load type out of range, a
    /// negative or non-finite section value or load, a member of zero length, a member load
    /// naming no member, a half band wider than kMaxFrameBandWidth, or an unstable model (a
    /// pivot at or near zero). No message is shown.
    void SolveFrame();
    /// Equation numbers of the unrestrained directions, node by node.
    void NumberFrameEquations();
    /// The banded global stiffness; writes each member's length and direction cosines.
    void AssembleFrameStiffness();
    /// The load vector: nodal loads, then the equivalent nodal loads of the member loads.
    void AssembleFrameLoads();
    /// Banded Gauss elimination; the load vector becomes the displacements.
    void ReduceFrameEquations();
    void StoreFrameDisplacements();
    /// Member end forces and support reactions from the displacements and the member loads.
    void ComputeMemberEndForces();
    /// Bending terms k0 to k7 of one member into m_adMemberStiffness.
    void SetMemberStiffnessTerms(int member);

    // ---- Reports ----------------------------------------------------------------------------
    /// Rebuilds the three page-header lines with the current date, time and file name.
    void BuildPageHeader();
    /// "Filename: <name> ----..." cut or padded to 87 columns.
    static std::string FormatFileNameLine(const std::string& fileName);
    /// Writes the progress text to status-bar pane 1.
    void ShowProgress();
    /// The progress text: "Analyzing: " and a bar per step while the analysis runs, else
    /// "Done".
    static std::string ProgressText(bool analyzing, int step);
    /// The minimum-flexural-reinforcement mark behind a resistance: '*' when Mr/Mu (`ratio`) is
    /// below 1 or Mr (`mr`) is below the smaller of 1.33 Mu (`mu`) and Mcr (`mcr`), else ' ';
    /// always ' ' when asterisks are switched off.
    char MinReinforcementMark(double ratio, double mu, double mcr, double mr) const;
    /// Appends the LRFD live-load deflection check of each included vehicle to `lines`.
    void AddLiveLoadDeflectionLines(std::vector<std::string>& lines) const;

    // ---- Bookkeeping ----------------------------------------------------------------------------
    std::string m_strFileSignature;         ///< "Kordel", first in every design file
    std::string m_strFileVersion;           ///< "4.62", written into files, printed in the header
    std::string m_strJobFileName;           ///< the design's file name, no folder (program text)
    std::string m_strProgramFolder;         ///< folder of the program file, ending with a separator
    std::string m_strSectionLibraryFile;    ///< path of the older multi-section archive
    std::string m_strVehicleLibraryFile;    ///< path of the older multi-vehicle archive
    std::string m_strSectionLibraryTag;     ///< header tag of an older section archive
    std::string m_strSectionLibraryVersion; ///< version handed with the tag
    int m_nReportForm = kReportLongForm;    ///< 1 short form, 2 long form
    int m_bGraphViewOpen = 0;               ///< the graph view is open
    int m_bReportViewOpen = 0;              ///< a text-type report view is open
    int m_bAnalyzing = 0;                   ///< 1 while RunAnalysis runs
    int m_nProgressStep = 0;                ///< progress counter the load-effect stages set,
                                            ///< 0 to kMaxProgressStep
    int m_bLoadEffectsDirty = 1;            ///< 1 asks the load-effect stage to recompute
    std::vector<std::string> m_saAgencies;      ///< State/Agency/Locality choices
    std::vector<std::string> m_saSpecEditions;  ///< specification editions

    // ---- Report lines ---------------------------------------------------------------------------
    // The analysis builds the page header. The text report and the girder summary of an analysis
    // are built when first read after it, through Report() and GirderSummary(), with the deck and
    // section the analysis used: the design loops, which analyse many times and read no report,
    // never pay for them. Read the two arrays through the accessors, never directly.
    std::vector<std::string> m_saReport;         ///< text report; "---page break---" ends a page
    std::vector<std::string> m_saReportHeader;   ///< page-header lines
    std::vector<std::string> m_saGirderSummary;  ///< girder-summary (code compliance) lines

    /// The text report of the last analysis (m_saReport), built now if it is not built yet.
    const std::vector<std::string>& Report() const;
    /// The girder summary of the last analysis (m_saGirderSummary), built now if it is not yet.
    const std::vector<std::string>& GirderSummary() const;
    /// Builds the text report and the girder summary that the last analysis left to build, so
    /// that a pointer to either array reads them.
    void BuildDueReports() const;
    /// Sets the text report form (kReportShortForm or kReportLongForm); the report is built in
    /// that form at its next read, without a new analysis.
    void SetReportForm(int form);

    /// Told of each analysis stage as it starts (not owned; tests and tools only).
    AnalysisObserver* m_pAnalysisObserver = nullptr;

    /// The document's storage is zeroed pages that the system maps when first touched. The large
    /// tables that a design may not use are left out of the constructor (their members carry no
    /// initialiser, marked "zeroed storage") and read zero from the storage, so that they cost no
    /// memory and no page fault until an analysis writes them.
    static void* operator new(std::size_t size);
    static void operator delete(void* memory, std::size_t size) noexcept;

protected:
    CKordelDoc();

private:
    void RunStage(AnalysisStage stage, void (CKordelDoc::*compute)());
    void Notify(AnalysisStage stage) {
        if (m_pAnalysisObserver) m_pAnalysisObserver->OnStage(stage);
    }

    // ---- Reports due --------------------------------------------------------------------------
    /// The deck and section values that AdjustDeckedBulbTee(1) puts in place of the user's.
    struct AdjustedSection {
        int compositeDeck = 0;
        double deck[kSavedDeckValueCount] = {};        ///< [SavedDeckValue], in
        double section[kSavedSectionValueCount] = {};  ///< [SavedSectionValue]
        double outline[kMaxOutlinePoints][kPointValueCount] = {};  ///< [point][x, y], in
    };
    /// Calls `f(model value, held value)` for every value of AdjustedSection.
    template <class F>
    void ForEachAdjustedValue(AdjustedSection& held, F f);
    /// Copies the adjusted values in force into m_reportSection.
    void KeepAdjustedSection();
    /// Exchanges the deck and section values in force with those of m_reportSection.
    void SwapAdjustedSection();
    /// Marks the text report to be built at its next read; a report form that the report does
    /// not know is told at once (the report stays empty), as when the report was built with the
    /// analysis.
    void TextReportDue();

    int m_bTextReportDue = 0;      ///< 1 while the text report of the last analysis is not built
    int m_bGirderSummaryDue = 0;   ///< 1 while its girder summary is not built
    /// 1 when the last analysis adjusted a decked bulb-tee: the reports are built with
    /// m_reportSection in place of the user's deck and section values.
    int m_bReportSectionAdjusted = 0;
    AdjustedSection m_reportSection;  ///< the adjusted values the last analysis used
};

/// The last step the load-effect stages count the analysis progress to.
inline constexpr int kMaxProgressStep = 5;

/// The page-break marker line of the report line arrays.
inline constexpr const char* kPageBreak = "---page break---";

}  // namespace kordel
