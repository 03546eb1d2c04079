#include "app/child_frame.h"

#include "app/doc_template.h"
#include "app/kordel_app.h"
#include "app/main_frame.h"
#include "document/kordel_doc.h"
#include "views/kordel_view.h"

namespace kordel {

using namespace platform::ui;

CChildFrame::CChildFrame(CKordelApp& app, const CDocTemplate& tmpl, CKordelDoc& doc)
    : m_app(app), m_template(tmpl), m_doc(doc) {}

CChildFrame::~CChildFrame() {
    DestroyFrame();
}

bool CChildFrame::Create(const std::string& title) {
    CMainFrame* main = m_app.GetMainWnd();
    if (!main || !main->Peer() || !m_template.CanCreateView()) return false;
    m_peer = main->Peer()->CreateChild(*this, title);
    if (!m_peer) return false;
    AddPane();
    if (m_views.empty()) {
        m_peer.reset();
        return false;
    }
    m_peer->LayoutPanes(1, 1, {m_views[0]->Peer()});
    SetTitle(title);
    return true;
}

void CChildFrame::AddPane() {
    std::unique_ptr<View> view = m_template.CreateView();
    if (!view) return;
    view->SetDocument(&m_doc);
    view->Attach(m_peer->CreateView(*view));
    m_views.push_back(std::move(view));
}

void CChildFrame::InitialUpdateFrame() {
    for (auto& view : m_views) view->OnInitialUpdate();
    ActivateFrame();
}

void CChildFrame::ActivateFrame() {
    // The child is always shown maximised, whatever show state is asked for.
    if (m_peer) m_peer->ActivateMaximized();
    m_app.SetActiveFrame(this);
    FocusActiveView();
}

void CChildFrame::BringToFront() {
    if (m_peer) m_peer->Activate();
    m_app.SetActiveFrame(this);
    FocusActiveView();
}

void CChildFrame::FocusActiveView() {
    if (View* view = GetActiveView(); view && view->Peer()) view->Peer()->SetFocus();
}

View* CChildFrame::GetActiveView() const {
    return m_views.empty() ? nullptr : m_views[0].get();
}

std::vector<View*> CChildFrame::Views() const {
    std::vector<View*> views;
    for (const auto& v : m_views) views.push_back(v.get());
    return views;
}

void CChildFrame::SetTitle(const std::string& title) {
    if (!m_peer) return;
    const View* view = GetActiveView();
    const std::string caption = view ? view->Caption() : std::string();
    m_peer->SetTitle(caption.empty() ? title : title + " - " + caption);
    if (CMainFrame* main = m_app.GetMainWnd()) main->RefreshWindowMenu();
}

std::string CChildFrame::GetTitle() const {
    return m_peer ? m_peer->GetTitle() : std::string();
}

void CChildFrame::ToggleSplit() {
    if (!m_peer || m_views.empty()) return;
    if (m_rows == 1 && m_columns == 1) {
        while (static_cast<int>(m_views.size()) < kMaxSplitRows * kMaxSplitColumns) {
            const size_t before = m_views.size();
            AddPane();
            if (m_views.size() == before) break;
            m_views.back()->OnInitialUpdate();
        }
        if (static_cast<int>(m_views.size()) == kMaxSplitRows * kMaxSplitColumns) {
            m_rows = kMaxSplitRows;
            m_columns = kMaxSplitColumns;
        }
    } else {
        while (m_views.size() > 1) {
            m_views.back()->OnDestroy();
            m_views.pop_back();
        }
        m_rows = m_columns = 1;
    }
    std::vector<ViewPeer*> panes;
    for (auto& v : m_views) panes.push_back(v->Peer());
    m_peer->LayoutPanes(m_rows, m_columns, panes);
}

void CChildFrame::UpdateViews() {
    for (auto& view : m_views) view->OnUpdate(nullptr);
}

void CChildFrame::DestroyFrame() {
    if (m_destroying) return;
    m_destroying = true;
    for (auto& view : m_views) view->OnDestroy();
    m_views.clear();
    m_peer.reset();
}

void CChildFrame::OnClose() {
    // Closing the main view's window closes the design's other windows first; the design then
    // closes with its last window, after the save prompt.
    if (dynamic_cast<CKordelView*>(GetActiveView()) && !m_app.IsClosingDocument()) {
        std::vector<CChildFrame*> others;
        for (const auto& f : m_app.Frames()) {
            if (f.get() != this) others.push_back(f.get());
        }
        for (CChildFrame* other : others) other->OnClose();
    }
    m_app.CloseFrame(this);
}

void CChildFrame::OnActivate() {
    m_app.SetActiveFrame(this);
    FocusActiveView();
}

}  // namespace kordel
