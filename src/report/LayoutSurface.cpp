// The report's layout surface on the form: a white page at zoom 100 with a
// ruler, the margin rectangle and the outlines of the bands.

#include "framework/ScopedWin.h"
#include "framework/WindowClass.h"
#include "report/QuickRep.h"

namespace report {
namespace {

const char kSurfaceClass[] = "TQuickRep";
constexpr int kScreenDpi = 96;
constexpr int kRuler = 16;  // pixels of ruler along the top and left edges

int ToScreen(double tenthsOfMm) { return static_cast<int>(tenthsOfMm / 254.0 * kScreenDpi + 0.5); }

}  // namespace

TQuickRep::TQuickRep(HWND parent, const QuickRepDescription& d) : description_(d) {
    framework::RegisterWindowClassOnce(kSurfaceClass, SurfaceProc,
                                       reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    // Sized to its page at the stored zoom when the form loads.
    const int width = ToScreen(d.page.width) * d.zoom / 100;
    const int height = ToScreen(d.page.length) * d.zoom / 100;
    surface_ = CreateWindowExA(0, kSurfaceClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                               d.bounds.left, d.bounds.top, width, height, parent, nullptr,
                               GetModuleHandleA(nullptr), this);
    SetWindowLongPtrA(surface_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TQuickRep::~TQuickRep() {
    if (IsWindow(surface_)) SetWindowLongPtrA(surface_, GWLP_USERDATA, 0);
}

LRESULT CALLBACK TQuickRep::SurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TQuickRep*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_PAINT && self) {
        framework::ScopedPaint paint(window);
        self->PaintSurface(paint.get());
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void TQuickRep::PaintSurface(HDC dc) const {
    const PageDescription& p = description_.page;
    RECT page{0, 0, ToScreen(p.width), ToScreen(p.length)};
    FillRect(dc, &page, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

    framework::ScopedPen tick(CreatePen(PS_SOLID, 1, RGB(128, 128, 128)));
    framework::ScopedSelect selectTick(dc, tick.get());
    RECT top{0, 0, page.right, kRuler}, left{0, 0, kRuler, page.bottom};
    FillRect(dc, &top, GetSysColorBrush(COLOR_BTNFACE));
    FillRect(dc, &left, GetSysColorBrush(COLOR_BTNFACE));
    for (int mm = 0; mm * 10 <= p.width; ++mm) {
        const int x = ToScreen(mm * 10.0);
        MoveToEx(dc, x, kRuler - (mm % 10 == 0 ? 12 : mm % 5 == 0 ? 8 : 4), nullptr);
        LineTo(dc, x, kRuler);
    }
    for (int mm = 0; mm * 10 <= p.length; ++mm) {
        const int y = ToScreen(mm * 10.0);
        MoveToEx(dc, kRuler - (mm % 10 == 0 ? 12 : mm % 5 == 0 ? 8 : 4), y, nullptr);
        LineTo(dc, kRuler, y);
    }

    framework::ScopedPen dotted(CreatePen(PS_DOT, 1, RGB(0, 0, 160)));
    framework::ScopedSelect selectDotted(dc, dotted.get());
    framework::ScopedSelect hollow(dc, GetStockObject(NULL_BRUSH));
    const int marginLeft = ToScreen(p.leftMargin);
    const int marginTop = ToScreen(p.topMargin);
    Rectangle(dc, marginLeft, marginTop, ToScreen(p.width - p.rightMargin),
              ToScreen(p.length - p.bottomMargin));

    // Title bands first, then group bands, each with its name.
    int y = marginTop;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(128, 128, 128));
    framework::ScopedSelect font(dc, GetStockObject(DEFAULT_GUI_FONT));
    for (BandType type : {BandType::Title, BandType::Group}) {
        for (const auto& band : bands_) {
            const BandDescription& b = band->description;
            if (b.type != type) continue;
            const int height = ToScreen(b.height);
            Rectangle(dc, marginLeft, y, marginLeft + ToScreen(b.width), y + height + 1);
            TextOutA(dc, marginLeft + 2, y + height - 13, b.name, static_cast<int>(strlen(b.name)));
            y += height;
        }
    }
}

}  // namespace report
