// The child window that holds the views of the open design: shown maximised when it opens, with a
// dynamic splitter of up to 2 x 2 panes. Closing the main view's window closes the design's
// other windows first, then the design itself.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/command.h"
#include "platform/ui/view.h"
#include "platform/ui/window.h"

namespace kordel {

class CDocTemplate;
class CKordelApp;
class CKordelDoc;

class CChildFrame : public platform::ui::ChildHandler, public platform::ui::CommandTarget {
  public:
    /// The most panes a splitter has each way, and the smallest pane.
    static constexpr int kMaxSplitRows = 2;
    static constexpr int kMaxSplitColumns = 2;

    CChildFrame(CKordelApp& app, const CDocTemplate& tmpl, CKordelDoc& doc);
    ~CChildFrame() override;
    CChildFrame(const CChildFrame&) = delete;
    CChildFrame& operator=(const CChildFrame&) = delete;

    /// Makes the window and its first view (the template's); false when it cannot.
    bool Create(const std::string& title);
    /// Runs the views' initial update and shows the frame maximised (whatever was asked).
    void InitialUpdateFrame();
    /// Shows the frame maximised and active, its view taking the keyboard focus.
    void ActivateFrame();
    /// Brings the frame in front of the others as it stands (maximised or not) and makes it
    /// active, its view taking the keyboard focus.
    void BringToFront();

    CKordelDoc* GetActiveDocument() const { return &m_doc; }
    const CDocTemplate& Template() const { return m_template; }
    /// The view that has the focus (the first pane's unless another was chosen).
    platform::ui::View* GetActiveView() const;
    std::vector<platform::ui::View*> Views() const;
    platform::ui::ChildPeer* Peer() const { return m_peer.get(); }
    /// Titles the window with the design's name `title`, followed by what its view shows
    /// ("Untitled - Long Form").
    void SetTitle(const std::string& title);
    std::string GetTitle() const;

    /// The splitter: 1 x 1 until split, then 2 x 2 panes, each a view of the first pane's kind.
    int SplitRows() const { return m_rows; }
    int SplitColumns() const { return m_columns; }
    /// Window/Split: splits the window into 2 x 2 panes, or joins split panes again.
    void ToggleSplit();

    /// Tells every view the document changed.
    void UpdateViews();
    /// Destroys the views and the window (no prompt).
    void DestroyFrame();

    // ChildHandler
    void OnClose() override;
    void OnActivate() override;

  private:
    void AddPane();
    void FocusActiveView();

    CKordelApp& m_app;
    const CDocTemplate& m_template;
    CKordelDoc& m_doc;
    std::unique_ptr<platform::ui::ChildPeer> m_peer;
    std::vector<std::unique_ptr<platform::ui::View>> m_views;  ///< the panes, row by row
    int m_rows = 1;
    int m_columns = 1;
    bool m_destroying = false;
};

}  // namespace kordel
