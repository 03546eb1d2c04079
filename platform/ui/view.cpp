#include "platform/ui/view.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/toolkit.h"

namespace platform::ui {

void View::Paint(DC& dc) {
    OnPrepareDC(dc, nullptr);
    OnDraw(dc);
}

namespace {
constexpr double kLoEnglishUnitsPerInch = 100.0;

int ToDevice(int logical, MapMode mode, double dpi) {
    if (mode == MapMode::Text) return std::abs(logical);
    return static_cast<int>(std::lround(std::abs(logical) * dpi / kLoEnglishUnitsPerInch));
}
}  // namespace

void ScrollView::SetScrollSizes(MapMode mode, Size total, Size page, Size line) {
    const double dpi = GetToolkit().ScreenDpi();
    m_mapMode = mode;
    m_total = {ToDevice(total.cx, mode, dpi), ToDevice(total.cy, mode, dpi)};
    m_page = {page.cx ? ToDevice(page.cx, mode, dpi) : m_total.cx / 10,
              page.cy ? ToDevice(page.cy, mode, dpi) : m_total.cy / 10};
    m_line = {line.cx ? ToDevice(line.cx, mode, dpi) : m_page.cx / 10,
              line.cy ? ToDevice(line.cy, mode, dpi) : m_page.cy / 10};
    m_line.cx = std::max(1, m_line.cx);
    m_line.cy = std::max(1, m_line.cy);
    ScrollToDevicePosition(m_position);
}

Size ScrollView::ClientSize() const {
    return Peer() ? Peer()->ClientSize() : Size{};
}

void ScrollView::ScrollToDevicePosition(Point p) {
    Size client = ClientSize();
    p.x = std::clamp(p.x, 0, std::max(0, m_total.cx - client.cx));
    p.y = std::clamp(p.y, 0, std::max(0, m_total.cy - client.cy));
    bool moved = !(p == m_position);
    m_position = p;
    UpdateBars();
    if (moved) Invalidate();
}

void ScrollView::UpdateBars() {
    if (Peer()) Peer()->SetScrollBars(m_total, m_position, m_page);
}

void ScrollView::OnPrepareDC(DC& dc, PrintInfo* info) {
    dc.SetMapMode(m_mapMode);
    if (!info && !dc.IsPrinting()) dc.SetViewportOrg({-m_position.x, -m_position.y});
}

void ScrollView::OnScroll(bool vertical, ScrollCode code, int position) {
    Point p = m_position;
    int& v = vertical ? p.y : p.x;
    const int page = vertical ? m_page.cy : m_page.cx;
    const int line = vertical ? m_line.cy : m_line.cx;
    switch (code) {
        case ScrollCode::LineUp:
            v -= line;
            break;
        case ScrollCode::LineDown:
            v += line;
            break;
        case ScrollCode::PageUp:
            v -= page;
            break;
        case ScrollCode::PageDown:
            v += page;
            break;
        case ScrollCode::Top:
            v = 0;
            break;
        case ScrollCode::Bottom:
            v = vertical ? m_total.cy : m_total.cx;
            break;
        case ScrollCode::ThumbTrack:
            v = position;
            break;
    }
    ScrollToDevicePosition(p);
}

void ScrollView::OnSize(Size) {
    ScrollToDevicePosition(m_position);
}

bool ScrollView::OnKeyDown(int key, int repeat, unsigned modifiers) {
    auto scroll = [&](bool vertical, ScrollCode code) {
        for (int i = 0; i < std::max(1, repeat); ++i) OnScroll(vertical, code, 0);
    };
    switch (key) {
        case kKeyUp:
            scroll(true, ScrollCode::LineUp);
            return true;
        case kKeyDown:
            scroll(true, ScrollCode::LineDown);
            return true;
        case kKeyLeft:
            scroll(false, ScrollCode::LineUp);
            return true;
        case kKeyRight:
            scroll(false, ScrollCode::LineDown);
            return true;
        case kKeyPageUp:
            scroll(true, ScrollCode::PageUp);
            return true;
        case kKeyPageDown:
            scroll(true, ScrollCode::PageDown);
            return true;
        case kKeyHome:
        case kKeyEnd: {
            Point p = m_position;
            p.y = key == kKeyHome ? 0 : m_total.cy;
            if (modifiers & kModCtrl) p.x = 0;
            ScrollToDevicePosition(p);
            return true;
        }
        default:
            return false;
    }
}

void ScrollView::OnMouseWheel(int lines) {
    ScrollToDevicePosition({m_position.x, m_position.y - lines * m_line.cy});
}

}  // namespace platform::ui
