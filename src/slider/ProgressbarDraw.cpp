// Progressbar drawing: Redraw composes the whole bar into the off-screen
// surface (background, bar by style, caption, thumb frame), then the widget
// shows it with one copy when it paints. setPicture cuts the skin strip into
// the pieces that every redraw stretches or crops.
#include "slider/Progressbar.h"

#include "imaging/mdlImage.h"
#include "ui/Controls.h"
#include "ui/Errors.h"
#include "ui/Guard.h"
#include "ui/Numbers.h"

#include <QPaintEvent>
#include <QPainter>
#include <array>
#include <cmath>
#include <cstring>
#include <optional>

namespace slider {

namespace {

constexpr double Twips = ui::TwipsPerPixel;

// A failed drawing step; Redraw skips it and goes on.
class DrawStepError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs one drawing step; a failure inside it is skipped, never reported.
template <typename Step>
void DrawStep(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

// A position in twips to the nearest pixel; one beyond 32 bits fails the step.
int ToPixel(double twips) { return ui::CLng(twips / Twips); }

// Draws a picture (or the sourceTwips part of it) stretched into the target
// rectangle given in twips. A negative width draws it mirrored, extending left
// from x. No picture is a failed step.
void PaintPicture(QPainter& painter, const ui::Picture& picture, double x, double y, double w, double h,
                  std::optional<QRectF> sourceTwips = std::nullopt) {
    if (picture.isNull()) throw DrawStepError("no picture");
    int left = ToPixel(x);
    int right = ToPixel(x + w);
    const int top = ToPixel(y);
    const int bottom = ToPixel(y + h);
    const bool mirrored = right < left;
    if (mirrored) std::swap(left, right);
    if (right == left || bottom <= top) return;

    QRect source = picture.image().rect();
    if (sourceTwips)
        source = QRect(ToPixel(sourceTwips->x()), ToPixel(sourceTwips->y()), ToPixel(sourceTwips->width()),
                       ToPixel(sourceTwips->height()));
    const QRect target(left, top, right - left, bottom - top);
    if (mirrored)
        painter.drawImage(target, picture.image().copy(source).mirrored(true, false));
    else
        painter.drawImage(target, picture.image(), source);
}

// The colour an OLE colour stands for on the screen: the one conversion for
// every colour the slider paints (background, gradient bands, solid bars).
// System colours (high bit set) come from the widget's palette.
QColor PaintColour(const QWidget& widget, uint32_t ole) {
    if (!(ole & 0x80000000u)) return ui::ColorFromOle(ole);
    switch (ole & 0xFF) {
        case 0x05: return widget.palette().color(QPalette::Base);        // window
        case 0x08: return widget.palette().color(QPalette::Text);        // window text
        case 0x12: return widget.palette().color(QPalette::ButtonText);  // button text
        default: return widget.palette().color(QPalette::Button);        // button face and the rest
    }
}

// A filled rectangle between two corners in twips.
void FillBox(QPainter& painter, double x1, double y1, double x2, double y2, const QColor& colour) {
    const int left = ToPixel(std::min(x1, x2));
    const int right = ToPixel(std::max(x1, x2));
    const int top = ToPixel(std::min(y1, y2));
    const int bottom = ToPixel(std::max(y1, y2));
    painter.fillRect(QRect(left, top, right - left, bottom - top), colour);
}

// Red, green and blue of an OLE colour read from its six hexadecimal digits.
// System colours and other values beyond six digits cannot be split.
std::array<int, 3> ColorToRGB(uint32_t colour) {
    if (colour > 0xFFFFFF) throw DrawStepError("colour has more than six hexadecimal digits");
    return {int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)};
}

// Eleven horizontal bands from the top colour to the bottom colour between x1
// and x2 (one solid box when the colours are equal). A colour that cannot be
// split ends the gradient; what was drawn stays.
void DrawGradient(QPainter& painter, const QWidget& widget, uint32_t topColour, uint32_t bottomColour, double x1,
                  double x2, double height) {
    if (topColour == bottomColour) {
        FillBox(painter, x1, 0, x2, height, PaintColour(widget, topColour));
        return;
    }
    const auto [r1, g1, b1] = ColorToRGB(topColour);
    const auto [r2, g2, b2] = ColorToRGB(bottomColour);
    const float dr = float(r1 - r2) / 10;
    const float dg = float(g1 - g2) / 10;
    const float db = float(b1 - b2) / 10;
    const float dh = float(height) / 10;
    for (int i = 0; i <= 10; ++i) {
        const uint32_t colour = ui::RGB(ui::CInt(r1 - dr * i), ui::CInt(g1 - dg * i), ui::CInt(b1 - db * i));
        FillBox(painter, x1, dh * i, x2, dh * (i + 1), PaintColour(widget, colour));
    }
}

}  // namespace

// The pixel positions a redraw derives from the thumb's centre p (twips),
// computed as the drawing steps compute them: the ends of the pieces either
// side of the thumb (skins), the split of the two gradients and the thumb's
// left edge. Two centres with equal positions draw the same bar. Nothing when
// a position does not fit in 32 bits (that drawing step fails and is skipped).
std::optional<Progressbar::ThumbPixels> Progressbar::thumbPixels(float p, double scaleWidth) const {
    const double lw = f_.mLeftWidth;
    const double rw = f_.mRightWidth;
    try {
        return ThumbPixels{
            ToPixel(lw + (p - lw)),                    // end of the filled skin piece
            ToPixel(p),                                // start of the empty piece, gradients' split
            ToPixel(p + (scaleWidth - p - rw)),        // end of the empty skin piece
            ToPixel(p + (scaleWidth - p)),             // end of the empty full-width view
            ToPixel(scaleWidth - p),                   // width of the empty full-width view
            ui::CInt((p - f_.mCmdWidth / 2.0) / Twips),  // the thumb frame's left edge
        };
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void Progressbar::Redraw() { redraw(false); }

void Progressbar::redraw(bool onlyIfMoved) {
    const double w = f_.mIsShowCmd ? f_.mCmdWidth : 0;
    const double lw = f_.mLeftWidth;
    const double rw = f_.mRightWidth;
    const double scaleWidth = ScaleWidth();
    const double height = ScaleHeight();

    const int32_t v = f_.mVal <= 0 ? 0 : (f_.mVal >= f_.mMax ? f_.mMax : f_.mVal);
    if (f_.mMax < 0) f_.mMax = 1;

    // The thumb's centre; with Max 0 no position is defined and it stays 0.
    float p = 0;
    if (f_.mMax != 0)
        p = float((scaleWidth - lw - rw - w + f_.mBiteLP + f_.mBiteRP) * v / f_.mMax + 0.1 + lw + w / 2 -
                  f_.mBiteLP);
    f_.mCmdLeft = float(p - f_.mCmdWidth / 2.0);

    // A new Value whose thumb lands on the same pixels, in the same state,
    // leaves the composed surface as it is: the host assigns Value 100 times a
    // second while the thumb moves a pixel every few assignments. The state's
    // events run as on every redraw; should a handler redraw, the bar is
    // composed anew.
    const std::optional<ThumbPixels> pixels = thumbPixels(p, scaleWidth);
    const auto drawnHere = [&] { return pixels && drawn_ && drawn_->size == size() && drawn_->pixels == *pixels; };
    std::optional<int32_t> state;
    if (onlyIfMoved && drawnHere()) {
        const uint64_t composedBefore = compositions_;
        if (f_.mIsShowCmd) state = GetMouseState();
        if (compositions_ == composedBefore && drawnHere() && drawn_->state == state.value_or(NoThumb)) return;
    }
    drawn_.reset();
    ++compositions_;
    const uint64_t composition = compositions_;

    if (surface_.size() != size()) surface_ = QImage(size(), QImage::Format_RGB32);
    std::optional<QPainter> painter;
    if (!surface_.isNull()) painter.emplace(&surface_);

    if (painter) {
        QPainter& pt = *painter;
        // Cls: the background colour, then the background picture.
        pt.fillRect(surface_.rect(), PaintColour(*this, backColor_));
        if (!bkPicture_.isNull()) pt.drawImage(QPoint(0, 0), bkPicture_.image());

        if (f_.mStyle == 2) {
            DrawStep([&] { PaintPicture(pt, f_.mLeftPic, 0, 0, lw, height); });
            DrawStep([&] { PaintPicture(pt, f_.mRightPic, scaleWidth - rw, 0, rw, height); });
            DrawStep([&] { PaintPicture(pt, f_.mLeftMidPic, lw, 0, p - lw, height); });
            DrawStep([&] { PaintPicture(pt, f_.mRightMidPic, p, 0, scaleWidth - p - rw, height); });
        } else if (f_.mStyle == 3) {
            DrawStep([&] { PaintPicture(pt, f_.mLeftMidPic, 0, 0, p, height, QRectF(0, 0, p, height)); });
            DrawStep([&] {
                PaintPicture(pt, f_.mRightMidPic, p, 0, scaleWidth - p, height,
                             QRectF(p, 0, scaleWidth - p, height));
            });
        } else {
            DrawStep([&] { DrawGradient(pt, *this, f_.mGotTopColor, f_.mGotBottomColor, 0, p, height); });
            DrawStep([&] { DrawGradient(pt, *this, f_.mTopColor, f_.mBottomColor, p, scaleWidth, height); });
        }

        // The caption, centred, over the bar and under the thumb.
        if (!f_.mCaption.isEmpty()) {
            pt.setFont(font());
            pt.setPen(palette().color(QPalette::ButtonText));
            const QFontMetrics metrics(font());
            const double textWidth = metrics.horizontalAdvance(f_.mCaption) * Twips;
            const double textHeight = metrics.height() * Twips;
            const int currentX = ToPixel((scaleWidth - textWidth) / 2);
            const int currentY = ToPixel((height - textHeight) / 2);
            pt.drawText(currentX, currentY + metrics.ascent(), f_.mCaption);
        }
        painter.reset();
    }

    // The thumb frame for the mouse state. The state's events run the host's
    // handlers before the frame is copied.
    if (f_.mIsShowCmd) {
        if (!state) state = GetMouseState();
        DrawStep([&] {
            const double frame = f_.mCmdWidth / Twips;
            imaging::DrawPictureTransparent(f_.mCmdPic, surface_, ui::CInt(frame * *state), 0, ui::CInt(frame),
                                            f_.mCmdHeight, ui::CInt((p - f_.mCmdWidth / 2.0) / Twips),
                                            f_.mCmdTop, ThumbKeyColour);
        });
    }
    // A handler that redrew while this redraw ran left a surface of its own
    // making: it is not known to match this one's positions.
    if (pixels && compositions_ == composition && !surface_.isNull())
        drawn_ = Drawn{surface_.size(), *pixels, state.value_or(NoThumb)};
    showIfChanged();
}

// The host assigns Value every 10 ms while a file plays, but the thumb moves a
// pixel only every few assignments: a surface equal to the one on screen asks
// for no repaint (and so no copy to the window system).
void Progressbar::showIfChanged() {
    if (!shown_.isNull() && shown_.size() == surface_.size() &&
        std::memcmp(shown_.constBits(), surface_.constBits(), size_t(surface_.sizeInBytes())) == 0)
        return;
    if (shown_.size() != surface_.size()) shown_ = QImage(surface_.size(), surface_.format());
    if (!shown_.isNull()) std::memcpy(shown_.bits(), surface_.constBits(), size_t(surface_.sizeInBytes()));
    update();
}

void Progressbar::paintEvent(QPaintEvent* event) {
    if (surface_.size() != size()) ui::Guarded([this] { Redraw(); });
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(event->rect(), surface_, event->rect());
}

void Progressbar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Grabbing a hidden widget sends it resize events of an unchanged size;
    // only a surface that no longer fits needs the redraw.
    if (surface_.size() != size()) ui::Guarded([this] { Redraw(); });
}

void Progressbar::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // A new font, palette or style shows at the next redraw, whatever Value is.
    drawn_.reset();
}

int16_t Progressbar::GetPictureWidth(const ui::Picture& picture) const {
    if (picture.isNull()) return 0;
    return ui::CInt(std::floor(picture.Width() / 26.45836 + 0.5));
}

int16_t Progressbar::GetPictureHeight(const ui::Picture& picture) const {
    if (picture.isNull()) return 0;
    return ui::CInt(std::floor(picture.Height() / 26.45836 + 0.5));
}

ui::Picture Progressbar::PicToPic(const ui::Picture& thePicture, int32_t LeftSrc, int32_t TopSrc, int32_t WidthSrc,
                                  int32_t HeightSrc) {
    return imaging::CopyDCToPicture(thePicture.image(), LeftSrc, TopSrc, WidthSrc, HeightSrc);
}

void Progressbar::setPicture(const ui::Picture& newPicture, int16_t lP_Width, int16_t rP_Width, int16_t lmP_Width,
                             int16_t rmP_Width, int16_t cP_Width, int16_t cmp_Height, int16_t cmp_Top) {
    const int16_t h = GetPictureHeight(newPicture);
    if (h == 0) return;

    // Offsets and products are 16-bit: an overflow leaves the pieces already
    // cut in place and reaches the caller.
    const auto cut = [&](int left, int width) {
        return width == 0 ? ui::Picture() : PicToPic(newPicture, left, 0, width, h);
    };
    f_.mLeftPic = cut(0, lP_Width);
    f_.mRightPic = cut(lP_Width, rP_Width);
    const int16_t leftMidX = ui::Add16(lP_Width, rP_Width);
    f_.mLeftMidPic = cut(leftMidX, lmP_Width);
    const int16_t rightMidX = ui::Add16(leftMidX, lmP_Width);
    f_.mRightMidPic = cut(rightMidX, rmP_Width);
    f_.mCmdHeight = cmp_Height != 0 ? cmp_Height : h;
    const int16_t cmdX = ui::Add16(rightMidX, rmP_Width);
    f_.mCmdPic = cut(cmdX, ui::Mul16(4, cP_Width));

    f_.mCmdWidth = ui::CInt(ui::Mul16(GetPictureWidth(f_.mCmdPic), ui::TwipsPerPixel) / 4.0);
    f_.mLeftWidth = ui::Mul16(GetPictureWidth(f_.mLeftPic), ui::TwipsPerPixel);
    f_.mRightWidth = ui::Mul16(GetPictureWidth(f_.mRightPic), ui::TwipsPerPixel);
    f_.mCmdTop = cmp_Top;
    Redraw();
}

}  // namespace slider
