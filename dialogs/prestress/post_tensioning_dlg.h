// "Post-Tensioning": the post-tensioning tendons drawn in an elevation of the girder (their
// parabolic profiles, the closure pours of a spliced girder) and in the sections at the girder
// end and at midspan (the ducts); "Edit Post-Tensioning Pattern..." opens the tendon table. US
// units whatever the design's.
#pragma once

#include "document/model_limits.h"
#include "document/model_records.h"
#include "platform/ui/dialog.h"

namespace kordel {

class CKordelDoc;

inline constexpr int IDD_POST_TENSIONING = 207;
inline constexpr int IDC_PT_EXPAND_VERTICAL = 1549;
inline constexpr int IDC_PT_ELEVATION = 1585;
inline constexpr int IDC_PT_SECTION_END = 1586;
inline constexpr int IDC_PT_SECTION_MID = 1587;
inline constexpr int IDC_PT_EDIT_PATTERN = 1588;

/// Which section DrawPostTensioningSection draws.
enum class TendonSectionView { End, Midspan };

/// What the drawings of the post-tensioning dialog show.
struct PostTensioningPicture {
    double girderLength = 0;  ///< ft
    double height = 0;        ///< girder height, in
    double width = 0;         ///< the wider flange, in
    int segments = 1;         ///< pieces of a spliced girder
    const double (*segmentLengths)[2] = nullptr;  ///< [segment][length ft, closure ft]
    int tendonCount = 0;
    const PostTensioningTendon* tendons = nullptr;
    bool expandVertical = false;
    bool endBlocks = false;  ///< the end section is an end block: no voids there
    int endOutlineCount = 0;
    const double (*endOutline)[kPointValueCount] = nullptr;  ///< section at the girder end, in
    int outlineCount = 0;
    const double (*outline)[kPointValueCount] = nullptr;  ///< section, in
    int voidCount = 0;
    const double (*voidOutline)[kPointValueCount] = nullptr;  ///< polygonal void, in
    int circularVoidCount = 0;
    const double (*circularVoids)[kCircularVoidValueCount] = nullptr;  ///< centre x, y, radius
};

/// The elevation: the girder, its closure pours grey, each tendon's parabola red and dotted
/// from the girder's left end.
void DrawPostTensioningElevation(platform::ui::DC& dc, platform::ui::Size client,
                                 const PostTensioningPicture& p);
/// A section with the ducts in cyan, at `scale` pixels per inch (the same for both sections).
void DrawPostTensioningSection(platform::ui::DC& dc, platform::ui::Size client,
                               const PostTensioningPicture& p, TendonSectionView view,
                               double scale);
/// The scale of both sections: the girder's width and height fitted into `client`.
double PostTensioningSectionScale(platform::ui::Size client, const PostTensioningPicture& p);

class CPostTensioningDlg : public platform::ui::Dialog {
  public:
    CPostTensioningDlg();
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    void OnDrawItem(int id, platform::ui::DC& dc, platform::ui::Size clientSize) override;

    static const platform::ui::DialogTemplate& Template();

    CKordelDoc* m_pDoc = nullptr;  ///< the design the drawings read girder and section from
    int m_nUnits = 1;              ///< not used: the dialog works in US units
    double m_dGirderLength = 0;    ///< ft
    double m_dPTStrandUnitArea = 0;  ///< in2
    double m_dPTStrandFpy = 0;       ///< ksi
    double m_dPTStrandFpu = 0;       ///< ksi
    int m_nPTJackingBasis = 0;
    PostTensioningTendon m_aTendons[kMaxTendons] = {};
    int m_nTendonCount = 0;
    double m_dPtJackingFraction = 0;
    int m_bIncludeEndBlocks = 0;
    double m_adEndOutline[kMaxOutlinePoints][kPointValueCount] = {};  ///< in
    int m_nEndOutlinePointCount = 0;
    int m_bExpandVertical = 0;

  private:
    void OnEditPattern();
    PostTensioningPicture Picture() const;
};

}  // namespace kordel
