// The design status line: the status-bar summary of the current design that the user watches
// while the analysis and the design loops run.
#pragma once

#include <string>

namespace kordel {

/// What the status line shows, in the document's US units (ksi, ft).
struct DesignStatusValues {
    double fb = 0;          ///< worst bottom-fibre service stress, ksi (compression positive)
    int fbStation = 0;      ///< its analysis station
    double minRatio = 0;    ///< smallest positive-moment Mr / Mu
    int ratioStation = 0;   ///< its analysis station, -1 when no station qualified
    int strands = 0;        ///< pretensioned strands
    double debonded = 0;    ///< total debonded strand length, ft
    double fc = 0;          ///< f'c of the girder, ksi
    double fci = 0;         ///< f'ci of the girder, ksi
    int designCode = 1;  ///< 1 LRFD, otherwise the Standard Specifications
    int units = 1;          ///< 1 US customary, otherwise metric
};

/// The texts of status-bar panes 2 to 5.
struct DesignStatusTexts {
    std::string stress;    ///< pane 2: "fb: ... Mr/Mu: ..."
    std::string strands;   ///< pane 3: "s: ..., d: ..."
    std::string concrete;  ///< pane 4: "f'c: ..., f'ci: ..."
    std::string code;      ///< pane 5: "LRFD" or "STND"
};

/// A station as a fraction of the span: station / 100 as "%4.2fL" (station 45 is "0.45L").
std::string StationAsSpanFraction(int station);

/// The four pane texts, metric values converted for a metric design (MPa, m). A value that is
/// not a number shows as dashes of its field width.
DesignStatusTexts FormatDesignStatus(const DesignStatusValues& v);

/// The widest texts the four panes show for a design in `units` under `designCode`: every
/// number with as many digits as its field holds (a metric f'c one more) written with the
/// widest digit, and Mr/Mu as it shows when no station qualified, so that a status bar sized
/// for them holds any design.
DesignStatusTexts WidestDesignStatus(int units, int designCode);

}  // namespace kordel
