// Views: the windows that show a document inside a child frame. A view draws in OnDraw through
// a device context, the same code for the screen and for printing; a scrolling view keeps the
// scroll position and sizes in a mapping mode and prepares the device context for both.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/command.h"
#include "platform/ui/dc.h"
#include "platform/ui/print.h"
#include "platform/ui/window.h"

namespace platform {
class Document;
}

namespace platform::ui {

class View : public CommandTarget, public ViewHandler, public Printable {
  public:
    View() = default;
    ~View() override = default;
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    void Attach(std::unique_ptr<ViewPeer> peer) { m_peer = std::move(peer); }
    ViewPeer* Peer() const { return m_peer.get(); }
    Document* GetDocument() const { return m_document; }
    void SetDocument(Document* document) { m_document = document; }

    /// After the view is made: the first update.
    virtual void OnInitialUpdate() { OnUpdate(nullptr); }
    /// The document changed: repaint by default.
    virtual void OnUpdate(View* /*sender*/) { Invalidate(); }
    virtual void OnDraw(DC& dc) = 0;
    /// The view is about to be destroyed.
    virtual void OnDestroy() {}
    /// Whether the view prints (File Print and Print Preview are offered only then).
    virtual bool CanPrint() const { return false; }
    /// What the view shows, for its window's title after the document's name ("Long Form");
    /// empty for the document's own view, whose window carries the name alone.
    virtual std::string Caption() const { return {}; }

    void Invalidate() {
        if (m_peer) m_peer->Invalidate();
    }

    // ViewHandler
    void Paint(DC& dc) override;

    // Printable: a view prints nothing unless it says so.
    bool OnPreparePrinting(PrintInfo&) override { return false; }
    void OnPrepareDC(DC&, PrintInfo*) override {}
    void OnPrint(DC& dc, PrintInfo&) override { OnDraw(dc); }

  private:
    std::unique_ptr<ViewPeer> m_peer;
    Document* m_document = nullptr;
};

/// A view larger than its window, with scroll bars.
class ScrollView : public View {
  public:
    /// The content size in logical units of `mode`, with page and line steps (0: a tenth of the
    /// total and a tenth of the page).
    void SetScrollSizes(MapMode mode, Size total, Size page = {}, Size line = {});
    MapMode GetMapMode() const { return m_mapMode; }
    /// Total, page and line sizes in device pixels of the screen.
    Size TotalDeviceSize() const { return m_total; }
    Size PageDeviceSize() const { return m_page; }
    Size LineDeviceSize() const { return m_line; }
    /// The scroll position: the device pixel of the content at the client's top-left.
    Point GetDeviceScrollPosition() const { return m_position; }
    void ScrollToDevicePosition(Point p);

    /// Sets the mapping mode, and on the screen the viewport origin from the scroll position.
    void OnPrepareDC(DC& dc, PrintInfo* info) override;
    void OnScroll(bool vertical, ScrollCode code, int position) override;
    void OnSize(Size size) override;
    void OnMouseWheel(int lines) override;
    /// The keyboard scrolls: the arrow keys by a line (Left and Right sideways), Page Up and
    /// Page Down by a page, Home and End to the top and the bottom, with Ctrl also to the left
    /// edge. Other keys are left to the accelerators.
    bool OnKeyDown(int key, int repeat, unsigned modifiers) override;

  private:
    Size ClientSize() const;
    void UpdateBars();

    MapMode m_mapMode = MapMode::Text;
    Size m_total;
    Size m_page;
    Size m_line;
    Point m_position;
};

}  // namespace platform::ui
