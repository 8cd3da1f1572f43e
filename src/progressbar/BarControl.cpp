#include "progressbar/BarControl.h"

#include "base/Units.h"

namespace brivex {

namespace {

PixelBarHost InMemoryWindow(const BarDesign& design) {
    const Size size = DesignSizeInPixels(design, kDesignDpi);
    return PixelBarHost(size.width, size.height);
}

}  // namespace

BarControl::BarControl(ui::Form& form, std::string name, const BarDesign& design, std::optional<int> index)
    : PeeredControl(form, std::move(name), index, {{"ToolTipText", {}}}),
      design_(design),
      memory_(InMemoryWindow(design)),
      bar_(memory_) {
    bar_.LoadProperties(DesignPropertyBag(design_));
    const Size twips = DesignSizeInTwips(design_);
    SetPosition({0, 0, twips.width, twips.height});
}

}  // namespace brivex
