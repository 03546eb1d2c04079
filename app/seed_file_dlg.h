// "Initialize New Design": File/New Design asks which example design, or which previous design
// file, the new design starts from, with a sketch of the chosen example's cross section.
#pragma once

#include <array>
#include <string>

#include "document/main_frame_state.h"
#include "platform/ui/dialog.h"

namespace kordel {

class CSeedFile : public platform::ui::Dialog {
  public:
    static constexpr int kMaxPreviewPoints = 101;
    static constexpr int kMaxPreviewCircles = 11;

    CSeedFile();

    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    void OnDrawItem(int id, platform::ui::DC& dc, platform::ui::Size clientSize) override;

    // ---- The choice -------------------------------------------------------------------------
    int m_nSeedChoice = SeedSimpleSpan;  ///< SeedChoice code
    std::string m_strSeedName;           ///< "default1" to "default4", or the seed file's path

    // ---- Sketch of the chosen example (inches: x from the centre line, y up from the bottom) -
    int m_nPreviewOutlineCount = 0;
    std::array<std::array<double, 2>, kMaxPreviewPoints> m_adPreviewOutline{};  ///< [point][x, y]
    int m_nPreviewVoidCount = 0;
    std::array<std::array<double, 2>, kMaxPreviewPoints> m_adPreviewVoid{};  ///< [point][x, y]
    int m_nPreviewCircleCount = 0;
    std::array<std::array<double, 3>, kMaxPreviewCircles> m_adPreviewCircle{};  ///< [x, y, r]
    double m_dPreviewTopWidth = 0.0;         ///< top flange width, in
    double m_dPreviewHeight = 0.0;           ///< girder height, in
    int m_bPreviewComposite = 0;             ///< BOOL: the example has a composite deck
    double m_dPreviewDeckThickness = 0.0;    ///< in
    double m_dPreviewHaunchThickness = 0.0;  ///< in
    double m_dPreviewDeckWidth = 0.0;        ///< deck width drawn (beam spacing x 12), in
    double m_dPreviewHaunchWidth = 0.0;      ///< in
    double m_dPreviewSpacing = 0.0;          ///< beam spacing, ft

    /// Loads the sketch data of `choice` (SeedFromFile or any other clears them).
    void LoadSketch(int choice);

  private:
    void OnSeedChoice(int choice, int radioId);
    void OnSeedFromFile();
    void OnSelectFile();
    void Redraw();
};

}  // namespace kordel
