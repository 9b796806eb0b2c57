#include "shell/screen_fonts.h"

#include "platform/ui/metrics.h"
#include "platform/ui/types.h"

namespace qiv {
namespace {

using platform::ui::FontSpec;

constexpr std::uint8_t kFixedSwiss = 33;
constexpr std::uint8_t kFixedModern = 49;
constexpr std::uint8_t kDraftQuality = 1;

FontSpec Make(const char* face, std::uint8_t pitchAndFamily, int weight, int points) {
  FontSpec spec;
  spec.face = face;
  spec.height = platform::ui::FontHeightForPoints(points);
  spec.weight = weight;
  spec.pitchAndFamily = pitchAndFamily;
  return spec;
}

}  // namespace

FontSpec ApplicationFontSpec() { return Make("MS Sans Serif", kFixedSwiss, 700, 8); }

FontSpec ScreenFonts::Spec(ScreenFont font) {
  switch (font) {
    case ScreenFont::Courier: return Make("Courier", kFixedModern, 400, 8);
    case ScreenFont::CourierBold: return Make("Courier", kFixedModern, 700, 8);
    case ScreenFont::CourierNew: return Make("Courier New", kFixedModern, 400, 8);
    case ScreenFont::Labels: return Make("MS Sans Serif", kFixedSwiss, 700, 8);
    case ScreenFont::Heading: return Make("MSSansSerif", kFixedSwiss, 700, 14);
    case ScreenFont::SmallBold: return Make("MSSansSerif", kFixedSwiss, 700, 8);
    case ScreenFont::LineList: return Make("MSSansSerif", kFixedModern, 400, 9);
    case ScreenFont::DraftCourier: {
      // 7 points measured over 70 rather than 72 pixels an inch.
      FontSpec spec = Make("Courier", kFixedModern, 400, 7);
      spec.height = -platform::ui::MulDiv(7, platform::ui::GetSystemMetric(platform::ui::SystemMetric::ScreenDpi), 70);
      spec.quality = kDraftQuality;
      return spec;
    }
  }
  return {};
}

bool ScreenFonts::create(const FontFactory& factory) {
  destroy();
  for (int n = 1; n <= 8; ++n) {
    platform::ui::FontHandle font = factory(Spec(static_cast<ScreenFont>(n)));
    if (font == nullptr) return false;
    fonts_[n - 1] = font;
  }
  return true;
}

void ScreenFonts::destroy() {
  for (platform::ui::FontHandle& font : fonts_) {
    if (font != nullptr) platform::ui::DeleteFont(font);
    font = nullptr;
  }
}

}  // namespace qiv
