#include "progressbar/XpProgressBar.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <variant>

#include "base/Numbers.h"
#include "progressbar/Caption.h"
#include "progressbar/ClassicStyles.h"
#include "progressbar/ColorMath.h"
#include "progressbar/Primitives.h"
#include "progressbar/ProgressStyle.h"
#include "progressbar/XpStyle.h"

namespace brivex {

namespace {

constexpr ColorRef kSystemHighlight = 0x8000000D;
constexpr ColorRef kSystemColourFlag = 0x80000000;
// At creation the hatch style is 0; a loaded bar without one stored takes 4.
constexpr std::int32_t kLoadedBrushStyle = 4;

template <typename T>
T ReadOr(const PropertyBag& bag, std::string_view name, T fallback) {
    const std::optional<PropertyValue> stored = bag.Read(name);
    if (stored && std::holds_alternative<T>(*stored)) return std::get<T>(*stored);
    return fallback;
}

template <typename T>
void WriteUnlessDefault(PropertyBag& bag, std::string_view name, const T& value, const T& fallback) {
    if (value != fallback) bag.Write(name, value);
}

std::int32_t AsStored(ColorRef colour) { return static_cast<std::int32_t>(colour); }

}  // namespace

XpProgressBar::XpProgressBar(ProgressBarHost& host) : host_(&host), font_(std::make_shared<TextFont>()) {
    SetHdc();
    hwnd_ = host_->OwnWindow();
    color_ = TranslateColor(kSystemHighlight);
    DrawProgressBar();
}

void XpProgressBar::SetHost(ProgressBarHost& host) {
    host_ = &host;
    hwnd_ = host_->OwnWindow();
    ReleaseBuffer();
    SetHdc();
    DrawProgressBar();
}

void XpProgressBar::DrawProgressBar() {
    if (percentage_ > 100) percentage_ = 100;
    scratch_.client = host_->ClientRect(hwnd_);
    Canvas& surface = hdc();
    FillWithColor(scratch_.client, scrolling_ == StyleDark ? kBlack : kWhite, surface);
    const BarLook look = Look();
    DrawStyle(surface, look);
    DrawCaption(surface, look, scratch_);
    if (bufferInUse_) {
        const Rect inner = host_->InnerArea();
        pDraw(host_->OwnSurface(), 0, 0, inner.Width(), inner.Height(), inner.left, inner.top);
    }
}

void XpProgressBar::DrawStyle(Canvas& surface, const BarLook& look) {
    switch (scrolling_) {
        case StyleFlat: return DrawFlatStyle(surface, look, scratch_);
        case StyleEtched: return DrawEtchedStyle(surface, look, scratch_);
        case StyleShaded: return DrawShadedStyle(surface, look, scratch_);
        case StyleDark: return DrawDarkStyle(surface, look, scratch_);
        case StyleHatched: return DrawHatchedStyle(surface, look, scratch_);
        case StylePicture: return DrawPictureStyle(surface, look, scratch_);
        case StyleGlossy: return DrawGlossyStyle(surface, look, scratch_);
        default:
            ComputeProgressRect(look, scratch_);
            DrawXpFill(surface, look, scratch_);
            if (scrolling_ == StyleChunks) DrawChunkGaps(surface, look, scratch_);
            DrawXpFrame(surface, scratch_);
    }
}

BarLook XpProgressBar::Look() const {
    static const TextFont kNoFont;
    return {color_,      percentage_,  orientation_, scrolling_,
            brushStyle_, image_.get(), showText_,    font_ ? *font_ : kNoFont};
}

void XpProgressBar::pDraw(Canvas& canvas, int xSrc, int ySrc, int widthSrc, int heightSrc, int xDst, int yDst) {
    // Without a buffer the copy has no source and does nothing.
    if (!buffer_) return;
    canvas.CopyFrom(*buffer_, xSrc, ySrc, widthSrc < 1 ? bufferWidth_ : widthSrc,
                    heightSrc < 1 ? bufferHeight_ : heightSrc, xDst, yDst);
}

void XpProgressBar::SetBrushStyle(std::int32_t style) {
    brushStyle_ = style;
    host_->PropertyChanged("BrushStyle");
}

void XpProgressBar::SetColor(ColorRef colour) {
    color_ = TranslateColor(colour);
    DrawProgressBar();
}

Canvas& XpProgressBar::hdc() const { return drawOnBuffer_ ? *buffer_ : host_->OwnSurface(); }

void XpProgressBar::SetHdc() {
    const Rect inner = host_->InnerArea();
    drawOnBuffer_ = EnsureBuffer(inner.Width(), inner.Height()) != nullptr;
    if (drawOnBuffer_) bufferInUse_ = true;
}

void XpProgressBar::SetImage(PictureRef picture) {
    image_ = std::move(picture);
    host_->PropertyChanged("Image");
    DrawProgressBar();
}

void XpProgressBar::SetMin(std::int32_t min) {
    min_ = min;
    host_->PropertyChanged("Min");
}

void XpProgressBar::SetMax(std::int32_t max) {
    max_ = max;
    host_->PropertyChanged("Max");
}

void XpProgressBar::SetOrientation(std::int32_t orientation) {
    orientation_ = orientation;
    host_->PropertyChanged("Orientation");
    DrawProgressBar();
}

void XpProgressBar::SetScrolling(std::int32_t style) {
    scrolling_ = style;
    host_->PropertyChanged("Scrolling");
    DrawProgressBar();
}

void XpProgressBar::SetShowText(bool show) {
    showText_ = show;
    host_->PropertyChanged("ShowText");
    DrawProgressBar();
}

// Only a bar given absurd Min and Max could leave the 32-bit range here; the
// value then stops at the range's end.
std::int32_t XpProgressBar::Value() const {
    const double value = percentage_ / 100.0 * max_ / (min_ > 0 ? min_ : 1);
    return *ToInt32(
        std::clamp<double>(value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

ValueWrite XpProgressBar::SetValue(std::int32_t value) {
    const std::int64_t product = std::int64_t{value} * 100;
    if (product < std::numeric_limits<std::int32_t>::min() || product > std::numeric_limits<std::int32_t>::max())
        return ValueWrite::Overflow;
    if (max_ == 0) return ValueWrite::DivisionByZero;
    const std::optional<std::int32_t> percentage = ToInt32(static_cast<double>(product) / max_ + min_);
    if (!percentage) return ValueWrite::Overflow;
    percentage_ = *percentage;
    DrawProgressBar();
    return ValueWrite::Stored;
}

ColorRef XpProgressBar::TranslateColor(ColorRef colour) const {
    if (!(colour & kSystemColourFlag)) return colour;
    return host_->SystemColor(static_cast<int>(colour & ~kSystemColourFlag));
}

void XpProgressBar::LoadProperties(const PropertyBag& bag) {
    SetFont(ReadOr<FontRef>(bag, "Font", font_));
    brushStyle_ = ReadOr<std::int32_t>(bag, "BrushStyle", kLoadedBrushStyle);
    SetColor(static_cast<ColorRef>(ReadOr<std::int32_t>(bag, "Color", AsStored(kSystemHighlight))));
    image_ = ReadOr<PictureRef>(bag, "Image", nullptr);
    SetMax(ReadOr<std::int32_t>(bag, "Max", 100));
    SetMin(ReadOr<std::int32_t>(bag, "Min", 0));
    SetOrientation(ReadOr<std::int32_t>(bag, "Orientation", 0));
    SetScrolling(ReadOr<std::int32_t>(bag, "Scrolling", 0));
    SetShowText(ReadOr<bool>(bag, "ShowText", false));
    // The stored percentage goes through the conversion again.
    SetValue(ReadOr<std::int32_t>(bag, "Value", 0));
}

void XpProgressBar::SaveProperties(PropertyBag& bag) const {
    bag.Write("Font", font_);
    WriteUnlessDefault(bag, "BrushStyle", brushStyle_, kLoadedBrushStyle);
    WriteUnlessDefault(bag, "Color", AsStored(color_), AsStored(kSystemHighlight));
    WriteUnlessDefault(bag, "Image", image_, PictureRef());
    WriteUnlessDefault(bag, "Max", max_, 100);
    WriteUnlessDefault(bag, "Min", min_, 0);
    WriteUnlessDefault(bag, "Orientation", orientation_, 0);
    WriteUnlessDefault(bag, "Scrolling", scrolling_, 0);
    WriteUnlessDefault(bag, "ShowText", showText_, false);
    WriteUnlessDefault(bag, "Value", percentage_, 0);
}

PixelCanvas* XpProgressBar::EnsureBuffer(int width, int height) {
    if (buffer_) {
        // Never shrinks; a rebuild takes both new measures.
        if (width > bufferWidth_ || height > bufferHeight_) CreateBuffer(width, height);
    } else if (width > 0 && height > 0) {
        CreateBuffer(width, height);
    }
    return buffer_.get();
}

void XpProgressBar::CreateBuffer(int width, int height) {
    ReleaseBuffer();
    buffer_ = host_->CreateBuffer(width, height);
    if (!buffer_) return;
    bufferWidth_ = width;
    bufferHeight_ = height;
}

void XpProgressBar::ReleaseBuffer() {
    buffer_.reset();
    bufferWidth_ = 0;
    bufferHeight_ = 0;
}

}  // namespace brivex
