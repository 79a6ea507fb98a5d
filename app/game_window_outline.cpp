#include "app/game_window_outline.h"

#include <array>

#include "assets/window_layout.h"
#include "chrome/shaped_form.h"

namespace quintavo::app {

namespace {

constexpr chrome::RegionRect ToRegionRect(const layout::OutlineRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace

QByteArray GameWindowMask2() {
    std::array<chrome::RegionRect, layout::GameWindowOutline.size()> rects{};
    for (std::size_t i = 0; i < rects.size(); ++i)
        rects[i] = ToRegionRect(layout::GameWindowOutline[i]);
    return chrome::Mask2Value(
        chrome::RegionData(ToRegionRect(layout::GameWindowOutlineBounds), rects));
}

} // namespace quintavo::app
