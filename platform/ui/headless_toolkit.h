// The headless backend: every window, dialog, timer and picture of the UI layer with no display.
// Windows keep their state where tests can read it (titles, menus with enabled states and check
// marks, bars, status panes, placement, child windows, views); modal dialogs play scripts that
// tests queue (clicks, typing, OK, Cancel); timers run when a test advances the clock; pictures
// and printed pages are recorded.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless_host.h"
#include "platform/ui/dialog.h"
#include "platform/ui/gl_view.h"
#include "platform/ui/headless_controls.h"
#include "platform/ui/recording_dc.h"
#include "platform/ui/recording_print.h"
#include "platform/ui/toolkit.h"

namespace platform::ui {

class HeadlessToolkit;

class HeadlessChild;
class HeadlessFrame;

class HeadlessView : public ViewPeer {
  public:
    /// A view of `child` (none for a view standing alone).
    explicit HeadlessView(ViewHandler& handler, HeadlessChild* child = nullptr)
        : m_handler(handler), m_child(child) {}
    ~HeadlessView() override;
    void Invalidate() override { ++m_invalidations; }
    void Update() override {}
    Size ClientSize() const override { return m_client; }
    void SetScrollBars(Size total, Point position, Size page) override;
    /// Gives this view the frame's keyboard focus.
    void SetFocus() override;

    /// Resizes the client area and tells the view.
    void Resize(Size client);
    /// Paints the whole client area on a recording at 96 pixels per inch and returns it.
    std::unique_ptr<RecordingDC> PaintNow();
    int Invalidations() const { return m_invalidations; }
    Size ScrollTotal() const { return m_scrollTotal; }
    Point ScrollPosition() const { return m_scrollPosition; }
    ViewHandler& Handler() { return m_handler; }
    bool HasFocus() const;
    HeadlessChild* Child() const { return m_child; }
    void ForgetChild() { m_child = nullptr; }

  private:
    ViewHandler& m_handler;
    HeadlessChild* m_child;
    Size m_client{800, 600};
    Size m_scrollTotal;
    Point m_scrollPosition;
    int m_invalidations = 0;
};

class HeadlessChild : public ChildPeer {
  public:
    /// A child window of `frame` (none for a child standing alone).
    HeadlessChild(ChildHandler& handler, std::string title, HeadlessFrame* frame = nullptr)
        : m_handler(handler), m_title(std::move(title)), m_frame(frame) {}
    ~HeadlessChild() override;
    void SetTitle(const std::string& title) override { m_title = title; }
    std::string GetTitle() const override { return m_title; }
    std::unique_ptr<ViewPeer> CreateView(ViewHandler& handler) override;
    void LayoutPanes(int rows, int columns, const std::vector<ViewPeer*>& panes) override;
    void ActivateMaximized() override;
    void Activate() override;
    bool IsMaximized() const override { return m_maximized; }

    ChildHandler& Handler() { return m_handler; }
    HeadlessFrame* Frame() const { return m_frame; }
    int Rows() const { return m_rows; }
    int Columns() const { return m_columns; }
    /// The views made in this child that still exist.
    std::vector<HeadlessView*> Views() const { return m_views; }
    void ForgetView(HeadlessView* view);
    void ForgetFrame() { m_frame = nullptr; }
    void SetNotMaximized() { m_maximized = false; }

  private:
    ChildHandler& m_handler;
    std::string m_title;
    HeadlessFrame* m_frame;
    std::vector<HeadlessView*> m_views;
    int m_rows = 1;
    int m_columns = 1;
    bool m_maximized = false;
};

class HeadlessFrame : public FramePeer {
  public:
    /// The status bar's font (9 points at 96 pixels per inch) and the pixels a pane adds to
    /// its text for its borders and margins.
    static inline const Font kStatusFont{"Arial", -12};
    static constexpr int kStatusPaneMargins = 8;

    HeadlessFrame(FrameHandler& handler, const FrameSpec& spec);
    ~HeadlessFrame() override;

    void SetTitle(const std::string& title) override { m_title = title; }
    std::string GetTitle() const override { return m_title; }
    void SetMenu(const Menu& menu) override { m_menu = menu; }
    const Menu& GetMenu() const override { return m_menu; }
    void SetMenuItemCheck(int id, bool checked) override;
    void ShowControlBar(ControlBar bar, bool show) override;
    bool IsControlBarVisible(ControlBar bar) const override;
    void SetStatusText(int pane, const std::string& text) override;
    std::string GetStatusText(int pane) const override;
    /// The text measured on a recording at 96 pixels per inch in kStatusFont, plus
    /// kStatusPaneMargins.
    int StatusPaneWidth(const std::string& text) const override;
    void SetStatusWidths(const std::vector<int>& widths) override { m_statusWidths = widths; }
    WindowPlacement GetPlacement() const override { return m_placement; }
    void SetPlacement(const WindowPlacement& placement) override { m_placement = placement; }
    void Show(int showCommand) override;
    bool IsVisible() const override { return m_visible; }
    void Invalidate() override { ++m_invalidations; }
    void Update() override { ++m_updates; }
    void DragAcceptFiles(bool accept) override { m_acceptsFiles = accept; }
    std::unique_ptr<ChildPeer> CreateChild(ChildHandler& handler,
                                           const std::string& title) override;
    void ArrangeChildren(ChildArrangement how) override;
    void Destroy() override { m_destroyed = true; }

    // ---- What a user does -------------------------------------------------------------
    /// Runs the command as a menu item would: only when its update leaves it enabled, and a
    /// check item's mark flipped first, as the toolkit's menus do. Returns whether it ran.
    bool Choose(int id);
    /// The state of a command as a menu would show it, after its update handler.
    CmdUI Query(int id);
    /// Refreshes every menu item's enabled state and check mark, as opening the menus does.
    void RefreshMenu();
    void Close() { m_handler.OnFrameClose(); }
    void DropFiles(const std::vector<std::string>& paths) { m_handler.OnDropFiles(paths); }
    /// A key pressed with `modifiers` held, as the toolkit delivers it: first to the view that
    /// has the focus, then, when the view leaves it, to the accelerators. Returns whether
    /// either took the key (a key nobody takes, the toolkit may use to move the focus).
    bool PressKey(int key, unsigned modifiers = kModNone);

    // ---- Record --------------------------------------------------------------------------
    const FrameSpec& Spec() const { return m_spec; }
    /// The status-bar pane widths in pixels, as made or set last.
    const std::vector<int>& StatusWidths() const { return m_statusWidths; }
    /// Every text pane `pane` has shown, in order.
    std::vector<std::string> StatusTextsShown(int pane) const;
    bool Destroyed() const { return m_destroyed; }
    bool AcceptsFiles() const { return m_acceptsFiles; }
    int Invalidations() const { return m_invalidations; }
    int Updates() const { return m_updates; }
    int ShowCommand() const { return m_showCommand; }
    /// The child windows that still exist, oldest first.
    std::vector<HeadlessChild*> Children() const { return m_children; }
    /// The child window in front, which the user works in (nullptr when none).
    HeadlessChild* ActiveChild() const { return m_active; }
    void SetActiveChild(HeadlessChild* child) { m_active = child; }
    /// The view with the keyboard focus (nullptr when the focus is elsewhere).
    HeadlessView* FocusedView() const { return m_focus; }
    void SetFocusedView(HeadlessView* view) { m_focus = view; }
    const std::vector<ChildArrangement>& Arrangements() const { return m_arrangements; }
    void ForgetChild(HeadlessChild* child);
    void SetToolkit(HeadlessToolkit* toolkit) { m_toolkit = toolkit; }

  private:
    void RefreshItems(std::vector<MenuItem>& items);

    FrameHandler& m_handler;
    HeadlessToolkit* m_toolkit = nullptr;
    FrameSpec m_spec;
    std::string m_title;
    Menu m_menu;
    bool m_toolBar = true;
    bool m_statusBar = true;
    std::vector<std::string> m_status;
    std::vector<int> m_statusWidths;
    std::vector<std::pair<int, std::string>> m_statusShown;  ///< (pane, text), in order
    WindowPlacement m_placement;
    bool m_visible = false;
    int m_showCommand = kShowHide;
    bool m_destroyed = false;
    bool m_acceptsFiles = false;
    int m_invalidations = 0;
    int m_updates = 0;
    std::vector<HeadlessChild*> m_children;
    HeadlessChild* m_active = nullptr;
    HeadlessView* m_focus = nullptr;
    std::vector<ChildArrangement> m_arrangements;
};

class HeadlessPopup : public PopupPeer {
  public:
    HeadlessPopup(HeadlessToolkit& toolkit, PopupHandler& handler, Rect rect)
        : m_toolkit(toolkit), m_handler(handler), m_rect(rect) {}
    ~HeadlessPopup() override;
    void Update() override { ++m_updates; }
    void Destroy() override;
    Rect WindowRect() const override { return m_rect; }
    bool Destroyed() const { return m_destroyed; }
    std::unique_ptr<RecordingDC> PaintNow();

  private:
    HeadlessToolkit& m_toolkit;
    PopupHandler& m_handler;
    Rect m_rect;
    int m_updates = 0;
    bool m_destroyed = false;
};

/// Drives a modal dialog as a user would, from a test's script. Each action is refused (false)
/// when its control is missing, hidden or disabled, or the dialog has ended; an action on a
/// control moves the focus there first, so the control that had it hears that it lost it.
class DialogDriver {
  public:
    int TemplateId() const { return m_template.id; }
    const std::string& Caption() const { return m_template.caption; }
    /// Clicks a button, radio button or check box. Radio buttons check themselves and clear
    /// their group; check boxes toggle.
    bool Click(int id);
    /// Types `text` over an edit's (or an editable combo's) text: refused for a read-only edit;
    /// an edit keeps only what its limit takes, a number edit only the digits.
    bool Type(int id, const std::string& text);
    /// Chooses item `index` of a combo or list box.
    bool Choose(int id, int index);
    /// Chooses the item with text `item`; refused when there is none.
    bool Choose(int id, const std::string& item);
    /// Double-clicks item `index` of a list box.
    bool DoubleClick(int id, int index);
    /// Presses the upper (`up`) or lower arrow of a spin.
    bool Spin(int id, bool up);
    /// Drags a slider to `pos` (kept within its range) and tells the dialog.
    bool Slide(int id, int pos);
    /// Paints the OpenGL canvas of control `id`; false when the dialog made none there.
    bool PaintGl(int id);
    /// A mouse message over the OpenGL canvas of control `id`, in its pixels, with the
    /// buttons and keys `keys` (MouseKeys) held.
    bool MouseGl(int id, MouseAction action, Point point, unsigned keys);
    /// Puts the focus on a control, as a click into it would.
    bool Focus(int id);
    /// A key with `modifiers`: Return, Escape, Tab (Shift+Tab backwards), Alt and a letter
    /// (a mnemonic). Returns whether the dialog took it.
    bool PressKey(int key, unsigned modifiers = kModNone);
    bool Ok() { return Click(kIdOk); }
    bool Cancel() { return Click(kIdCancel); }

    std::string Text(int id) const;
    bool IsChecked(int id) const;
    bool IsEnabled(int id) const;
    bool IsVisible(int id) const;
    /// The control with the focus (kIdStatic when none).
    int FocusId() const;
    std::vector<std::string> Items(int id) const;
    int Selection(int id) const;
    std::vector<int> TabStops(int id) const;
    int LimitText(int id) const;
    int SpinPos(int id) const;
    std::pair<int, int> SpinRange(int id) const;
    /// The bitmap a picture shows (null when none).
    Bitmap Picture(int id) const;
    /// Paints an owner-drawn control on a recording and returns it.
    std::unique_ptr<RecordingDC> Paint(int id);
    /// The control window the dialog made in Custom control `id` (a grid), to click, type
    /// into, scroll and paint; nullptr when it has none.
    HeadlessControl* ControlWindow(int id) const;
    /// The texts control `id` showed each time the dialog repainted at once (UpdateNow).
    std::vector<std::string> UpdatedTexts(int id) const;
    bool Ended() const;
    int Result() const;
    Dialog& Target() { return m_dialog; }

  private:
    friend class HeadlessDialog;
    DialogDriver(class HeadlessDialog& peer, Dialog& dialog, const DialogTemplate& tmpl)
        : m_peer(peer), m_dialog(dialog), m_template(tmpl) {}
    /// The control, when the user can reach it now.
    const ControlTemplate* Usable(int id) const;
    class HeadlessDialog& m_peer;
    Dialog& m_dialog;
    const DialogTemplate& m_template;
};

class HeadlessDialog : public DialogPeer {
  public:
    HeadlessDialog(HeadlessToolkit& toolkit, Dialog& dialog, const DialogTemplate& tmpl);
    ~HeadlessDialog() override;
    HeadlessDialog(const HeadlessDialog&) = delete;
    HeadlessDialog& operator=(const HeadlessDialog&) = delete;
    int RunModal() override;
    void EndModal(int result) override;
    void SetItemText(int id, const std::string& text) override;
    std::string GetItemText(int id) const override;
    void SetCheck(int id, bool checked) override;
    bool GetCheck(int id) const override;
    void EnableItem(int id, bool enabled) override;
    bool IsItemEnabled(int id) const override;
    void ShowItem(int id, bool shown) override;
    bool IsItemVisible(int id) const override;
    void SetFocusItem(int id) override;
    int FocusItem() const override { return m_focus; }
    void SetLimitText(int id, int maxChars) override;
    void InvalidateItem(int id) override { ++m_invalidations[id]; }
    /// Keeps the text of every control at this moment, as the user would see it.
    void UpdateNow() override;
    Size ItemClientSize(int id) const override;
    Rect ItemRect(int id) const override;
    void ResetContent(int id) override;
    int AddString(int id, const std::string& text) override;
    int GetCount(int id) const override;
    std::string GetItemString(int id, int index) const override;
    void SetCurSel(int id, int index) override;
    int GetCurSel(int id) const override;
    void SetTabStops(int id, const std::vector<int>& stops) override;
    void SetSpinRange(int id, int lower, int upper) override;
    std::pair<int, int> GetSpinRange(int id) const override;
    void SetSpinPos(int id, int pos) override;
    int GetSpinPos(int id) const override;
    void SetItemBitmap(int id, const Bitmap& bitmap) override;
    /// A HeadlessControl at the control's place, the dialog's client area at kScreenOrigin.
    std::unique_ptr<ControlPeer> CreateControlWindow(int id, ControlHandler& handler) override;
    /// The renderer of the toolkit's OpenGL factory (nullptr without one), the canvas's
    /// handler kept for the driver.
    std::unique_ptr<GlRenderer> CreateGlCanvas(int id, GlCanvasHandler& handler) override;
    /// The handler of the OpenGL canvas in control `id`, or nullptr.
    GlCanvasHandler* GlCanvas(int id) const;

    /// Where the dialog's client area lies on the screen.
    static constexpr Point kScreenOrigin{200, 150};

    bool Ended() const { return m_ended; }
    int Result() const { return m_result; }
    bool HasControl(int id) const;
    std::vector<std::string> Items(int id) const;
    std::vector<int> TabStops(int id) const;
    int LimitText(int id) const;
    Bitmap Picture(int id) const;
    int Invalidations(int id) const;
    /// The texts control `id` showed at each UpdateNow, in order.
    std::vector<std::string> UpdatedTexts(int id) const;
    HeadlessControl* ControlWindow(int id) const;

  private:
    struct ControlState {
        std::string text;
        bool checked = false;
        bool enabled = true;
        bool visible = true;
        int limit = 0;
        std::vector<std::string> items;
        int selection = -1;
        std::vector<int> tabStops;
        int lower = 100;  ///< a spin's range as made: 100 at the lower arrow, 0 at the upper
        int upper = 0;
        int pos = 0;
        Bitmap bitmap;
    };
    ControlState* State(int id);
    const ControlState* State(int id) const;

    HeadlessToolkit& m_toolkit;
    Dialog& m_dialog;
    const DialogTemplate& m_template;
    std::map<int, ControlState> m_controls;
    std::map<int, int> m_invalidations;
    std::vector<std::map<int, std::string>> m_updates;  ///< the texts at each UpdateNow
    std::map<int, HeadlessControl*> m_windows;  ///< the control windows that still exist
    std::map<int, GlCanvasHandler*> m_glCanvases;  ///< the OpenGL canvases made
    int m_focus = kIdStatic;
    bool m_ended = false;
    int m_result = kIdCancel;
};

/// The system print dialog as a test sees it: what it offers and what the user chooses. A
/// script changes the choice; a dialog with no script prints every page once.
struct PrintDialogChoice {
    int minPage = 1;
    int maxPage = 1;
    int fromPage = 1;  ///< the page range chosen
    int toPage = 1;
    int copies = 1;
    bool printToFile = false;  ///< the Print to File printer (the only one when none is installed)
    std::string fileName;      ///< its PDF file
    bool cancel = false;
};

/// A print job of the headless toolkit: how it was asked for and what the dialog chose.
struct HeadlessPrintRequest {
    PrintJob job;
    PrintDialogChoice choice;
    PrintOutcome outcome;
};

/// Drives the print preview window as a user would, from a test's script.
class PreviewDriver {
  public:
    explicit PreviewDriver(PrintPreview& preview) : m_preview(preview) {}
    PrintPreview& Preview() { return m_preview; }
    /// The pages shown now, as the window paints them: each on a recording of the printer's
    /// page, in order.
    std::vector<std::unique_ptr<RecordingDC>> Paint();
    /// The Print button: the preview closes and the program prints.
    void Print() { m_result = PrintPreview::Result::Print; }
    void Close() { m_result = PrintPreview::Result::Closed; }
    PrintPreview::Result Result() const { return m_result; }

  private:
    PrintPreview& m_preview;
    PrintPreview::Result m_result = PrintPreview::Result::Closed;
};

class HeadlessToolkit : public Toolkit {
  public:
    using DialogScript = std::function<void(DialogDriver&)>;
    using PrintDialogScript = std::function<void(PrintDialogChoice&)>;
    using PreviewScript = std::function<void(PreviewDriver&)>;

    /// Tells `host` that a box or a file dialog raised while a modal dialog runs belongs to
    /// that dialog (its caption), otherwise to the main window (empty), as the windowed host
    /// parents them.
    explicit HeadlessToolkit(HeadlessHost& host);
    ~HeadlessToolkit() override;

    Host& GetHost() override { return m_host; }
    std::unique_ptr<FramePeer> CreateFrame(FrameHandler& handler, const FrameSpec& spec) override;
    std::unique_ptr<DialogPeer> CreateDialog(Dialog& dialog, const DialogTemplate& tmpl) override;
    std::unique_ptr<PopupPeer> CreatePopup(PopupHandler& handler, FramePeer* owner,
                                           Size size) override;
    /// A HeadlessTopWindow (headless_controls.h).
    std::unique_ptr<TopWindowPeer> CreateTopWindow(TopWindowHandler& handler,
                                                   const std::string& title,
                                                   Size clientSize) override;
    int SetTimer(int milliseconds, std::function<void()> onTimer) override;
    void KillTimer(int timerId) override;
    Bitmap RenderBitmap(Size size, const std::function<void(DC&)>& paint,
                        bool transparent = false) override;
    std::unique_ptr<PrintSurface> CreatePrintSurface(const std::string& path) override;
    /// A recording at 96 pixels per inch, the size of a 1280 x 1024 screen.
    std::unique_ptr<DC> CreateScreenMeasureDC() override;
    /// A recording of the default printer's page (see SetDefaultPrinter).
    std::unique_ptr<DC> CreatePrinterMeasureDC() override;
    /// Also gives the default printer the new paper, at its resolution.
    void SetPageSetup(const PageSetup& setup) override;
    /// Records the job's pages (PrintJobs) after the print dialog's script (QueuePrintDialog);
    /// with no printer installed the default printer fails and the dialog offers Print to File.
    PrintOutcome Print(Printable& printable, PrintInfo& info, const PrintJob& job) override;
    /// Runs the next preview script (QueuePreview); with none the preview is closed at once.
    PrintPreview::Result RunPrintPreview(Printable& printable, const PrintInfo& info) override;
    void Quit(int exitCode) override {
        m_quitRequested = true;
        m_exitCode = exitCode;
    }

    // ---- Script ----------------------------------------------------------------------------
    /// The next modal dialog runs `script`; a dialog with no script left (or whose script does
    /// not end it) is closed with its close box, as Cancel.
    void QueueDialog(DialogScript script) { m_scripts.push_back(std::move(script)); }
    /// The next system print dialog runs `script`.
    void QueuePrintDialog(PrintDialogScript script) { m_printScripts.push_back(std::move(script)); }
    /// The next print preview runs `script`.
    void QueuePreview(PreviewScript script) { m_previewScripts.push_back(std::move(script)); }
    /// Makes the renderer of a dialog's OpenGL canvas of the given size (an off-screen one in
    /// tests). Without a factory a canvas has no OpenGL.
    using GlRendererFactory = std::function<std::unique_ptr<GlRenderer>(Size)>;
    void SetGlRendererFactory(GlRendererFactory factory) { m_glFactory = std::move(factory); }
    const GlRendererFactory& GlFactory() const { return m_glFactory; }
    /// The next CreateFrame fails, as a window that cannot be made.
    void FailNextFrame() { m_failFrame = true; }
    /// The default printer's page, which print jobs and printer measuring take: Letter paper at
    /// 100 pixels per inch unless set; no value means no printer is installed (print jobs to a
    /// file still get pages of the Print Setup paper at 100 pixels per inch).
    void SetDefaultPrinter(std::optional<PageGeometry> page) { m_printer = page; }
    /// Moves the clock on by `milliseconds`, running every timer that falls due, in order.
    void AdvanceTime(int milliseconds);

    // ---- Record ----------------------------------------------------------------------------
    HeadlessHost& Headless() { return m_host; }
    /// The main frame made last, or nullptr.
    HeadlessFrame* Frame() const { return m_frame; }
    /// The template ids of the dialogs run, in order.
    const std::vector<int>& DialogsShown() const { return m_dialogsShown; }
    std::vector<HeadlessPopup*> Popups() const { return m_popups; }
    int ActiveTimers() const { return static_cast<int>(m_timers.size()); }
    int BitmapsRendered() const { return m_bitmapsRendered; }
    bool QuitRequested() const { return m_quitRequested; }
    /// The print surfaces made, in order (kept after their jobs end).
    const std::vector<RecordingPrintSurface*>& PrintJobs() const { return m_printJobs; }
    /// Every Print asked for, in order.
    const std::vector<HeadlessPrintRequest>& PrintRequests() const { return m_printRequests; }
    /// Print previews shown.
    int PreviewsShown() const { return m_previewsShown; }
    /// The page every print job, preview and printer measuring takes: the default printer's,
    /// or Letter at 100 pixels per inch with no printer.
    PageGeometry PrinterPage() const;
    std::unique_ptr<DialogScript> NextScript();
    void ForgetFrame(HeadlessFrame* frame);
    void ForgetPopup(HeadlessPopup* popup);

  private:
    struct Timer {
        int interval;
        long long due;
        std::function<void()> fn;
    };
    HeadlessHost& m_host;
    std::deque<DialogScript> m_scripts;
    GlRendererFactory m_glFactory;
    bool m_failFrame = false;
    HeadlessFrame* m_frame = nullptr;
    std::vector<int> m_dialogsShown;
    std::vector<HeadlessPopup*> m_popups;
    std::map<int, Timer> m_timers;
    int m_nextTimer = 1;
    long long m_now = 0;
    int m_bitmapsRendered = 0;
    bool m_quitRequested = false;
    int m_exitCode = 0;
    std::optional<PageGeometry> m_printer = PageGeometry::Letter(100.0);
    std::vector<RecordingPrintSurface*> m_printJobs;
    std::vector<std::unique_ptr<RecordingPrintSurface>> m_keptJobs;
    std::deque<PrintDialogScript> m_printScripts;
    std::deque<PreviewScript> m_previewScripts;
    std::vector<HeadlessPrintRequest> m_printRequests;
    int m_previewsShown = 0;
};

}  // namespace platform::ui
