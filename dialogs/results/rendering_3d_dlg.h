// "3D Rendering": the girder's 3D model in an OpenGL canvas. The left button turns the model
// (an arcball), Ctrl and the left button pan it, the slider zooms, Solid and Wireframe switch
// the rendering and Void adds the voids to the wireframe; Reset View brings back the first view.
// The command fills the model's lists before the dialog runs. The canvas's rendering context,
// quadrics and display list are made once per run and released when the dialog closes.
#pragma once

#include <memory>

#include "platform/model_3d.h"
#include "platform/ui/dialog.h"
#include "platform/ui/gl_view.h"

namespace kordel {

inline constexpr int IDD_3D_VIEW = 190;
inline constexpr int IDC_3D_CANVAS = 1491;
inline constexpr int IDC_3D_RESET_VIEW = 1546;
inline constexpr int IDC_3D_ZOOM = 1540;
inline constexpr int IDC_3D_SOLID = 1556;
inline constexpr int IDC_3D_WIREFRAME = 1557;
inline constexpr int IDC_3D_VOID = 1339;
inline constexpr int IDC_3D_PAN_X = 1554;
inline constexpr int IDC_3D_PAN_Y = 1555;

/// The zoom slider: 0 (the camera at the model's centre) to 100 (four times the first
/// distance); 25 is the first distance.
inline constexpr int kZoomSliderMax = 100;
inline constexpr int kZoomSliderStart = 25;
/// Feet of pan per pixel of a Ctrl-drag.
inline constexpr float kPanPerPixel = 0.2f;

class C3DViewDlg : public platform::ui::Dialog, public platform::ui::GlCanvasHandler {
public:
    C3DViewDlg();
    ~C3DViewDlg() override;

    /// The dialog's template (190 "3D Rendering").
    static const platform::ui::DialogTemplate& Template();

    bool OnInitDialog() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    void OnOK() override;
    void OnCancel() override;

    // ---- The canvas ----------------------------------------------------------------------
    /// Draws the model; the first paint makes the rendering context, and a canvas that cannot
    /// have one closes the dialog after its message.
    void OnGlPaint(platform::ui::Size client) override;
    void OnGlMouse(const platform::ui::MouseEvent& event) override;

    void OnLButtonDown(platform::ui::Point point, unsigned keys);
    void OnLButtonUp();
    void OnMouseMove(platform::ui::Point point, unsigned keys);
    /// The zoom slider moved.
    void OnVScroll();
    void OnResetView();
    void OnSolid();
    void OnWireframe();
    void OnVoid();

    /// The view (nullptr before the dialog runs and after it closed).
    platform::ui::CGlView* View() const { return m_pGlView.get(); }

    platform::Model3D m_model;         ///< the model's lists, filled by the command
    float m_fSceneLength = 106.0f;     ///< ft, the first camera distance
    float m_fSceneHeight = 6.0f;       ///< ft
    platform::ui::Point m_ptDown;      ///< where the left button last went down
    double m_dPanX = 0, m_dPanY = 0;   ///< pan of the Ctrl-drag under way, ft
    double m_dPanTotalX = 0, m_dPanTotalY = 0;  ///< pan of the drags before, ft
    bool m_bPanning = false;
    double m_dBaseZoomDistance = 0;    ///< the camera's first z, ft
    double m_dZoomDistance = 0;        ///< its present z, ft
    int m_nRenderMode = platform::ui::kRenderSolid;
    float m_fPanReadoutX = 0;          ///< pan shown across, ft
    float m_fPanReadoutY = 0;          ///< pan shown up, ft
    int m_bShowVoids = 0;              ///< "Void" checked
    int m_nZoomPos = kZoomSliderStart;  ///< the zoom slider's position

private:
    /// Rebuilds the display list in the present mode and draws.
    void Rebuild();
    /// The first camera distance, ft (negative: in front of the camera).
    float StartDistance() const;
    /// Lets the rendering context, quadrics and display list go.
    void ReleaseView();

    std::unique_ptr<platform::ui::CGlView> m_pGlView;
};

}  // namespace kordel
