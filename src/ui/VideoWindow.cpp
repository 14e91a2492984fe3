#include "ui/VideoWindow.h"
#include "ui/FrameStretch.h"
#include <QPaintEvent>
#include <algorithm>
#include <QPainter>
#include <QPointer>
#include <QPaintEngine>
#include <QWidget>
#include <QWindow>

namespace ui {

namespace {

// Drawing a smaller picture in the source and stretching a larger one while
// painting costs least at window size and at full screen alike
// (bench/README.md, media section).
VideoScaling currentScaling = VideoScaling::BySize;

// The child widget itself: paints the source's frame over its whole area and
// lets every input event through to the owner below it.
class VideoWidget : public QWidget {
public:
    VideoWidget(VideoFrameSource& source, QWidget* owner) : QWidget(owner), source_(source) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        // The frame goes straight into the window's surface when the whole
        // widget is repainted (a new frame): drawn over a part only, it would
        // overwrite what lies above the rest there, which nothing repaints.
        if (QImage* surface = surfaceAt(painter); surface && (QRegion(rect()) - event->region()).isEmpty() &&
            source_.drawInPlace(*surface, QRect(painter.deviceTransform().map(QPoint(0, 0)), size())))
            return;
        const QImage& frame = source_.frameFor(size());
        if (frame.isNull()) {
            painter.fillRect(rect(), Qt::black);
        } else if (frame.size() == size()) {
            painter.drawImage(QPoint(0, 0), frame);
        } else if (currentScaling == VideoScaling::InPainter) {
            painter.drawImage(rect(), frame);
        } else if (frame.format() == QImage::Format_RGB32) {
            // Interpolated: the frame stretch draws the same picture as the
            // painter's smooth stretch for well under half the work, a band
            // of rows at a time (a band stays in the processor's cache).
            constexpr int bandRows = 32;
            if (band_.width() != width()) band_ = QImage(width(), bandRows, QImage::Format_RGB32);
            stretch_.start(frame, size());
            const QRect dirty = event->rect() & rect();
            for (int y = dirty.top() / bandRows * bandRows; y <= dirty.bottom(); y += bandRows) {
                stretch_.drawRows(y, band_);
                painter.drawImage(QPoint(0, y), band_, QRect(0, 0, width(), std::min(bandRows, height() - y)));
            }
        } else {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(rect(), frame);
        }
    }


private:
    // The picture the painter draws into, when the frame can go straight into
    // it: a 32-bit picture at one device pixel per pixel, the widget placed in
    // it by a plain translation and wholly inside it.
    QImage* surfaceAt(QPainter& painter) const {
        QPaintDevice* device = painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
        if (!device || device->devType() != QInternal::Image) return nullptr;
        auto* image = static_cast<QImage*>(device);
        const QTransform t = painter.deviceTransform();
        if (image->devicePixelRatio() != 1.0 || t.type() > QTransform::TxTranslate) return nullptr;
        if (image->format() != QImage::Format_RGB32 && image->format() != QImage::Format_ARGB32_Premultiplied)
            return nullptr;
        const QRect at(t.map(QPoint(0, 0)), size());
        // Shared, the picture would be copied by the first write to it.
        return image->isDetached() && image->rect().contains(at) ? image : nullptr;
    }

    VideoFrameSource& source_;
    FrameStretch stretch_;
    QImage band_;
};

}  // namespace

struct VideoWindow::Impl {
    VideoFrameSource& source;
    QPointer<VideoWidget> widget;  // the owner may delete it before us
    QRect rect;
};

VideoWindow::VideoWindow(VideoFrameSource& source) : d_(new Impl{source, nullptr, QRect()}) {}

VideoWindow::~VideoWindow() { delete d_->widget.data(); }

void VideoWindow::setOwner(WindowHandle owner) {
    if (!owner) {
        if (d_->widget) d_->widget->hide();
        return;
    }
    if (!d_->widget) {
        d_->widget = new VideoWidget(d_->source, owner);
    } else if (d_->widget->parentWidget() != owner) {
        d_->widget->setParent(owner);
    }
    d_->widget->setGeometry(d_->rect);
    d_->widget->show();
    d_->widget->raise();
}

void VideoWindow::setRect(const QRect& rect) {
    d_->rect = rect;
    if (d_->widget) d_->widget->setGeometry(rect);
}

bool VideoWindow::paintsFramesInPlace(QSize naturalSize) const {
    QWidget* widget = d_->widget;
    if (!widget || !widget->isVisible()) return false;
    const QWindow* window = widget->window()->windowHandle();
    if (!window || !window->isExposed()) return false;
    // A widget covered in part by another gets partial paints, and one
    // covered wholly none at all: the frame is drawn at once then.
    if (!(QRegion(widget->rect()) - widget->visibleRegion()).isEmpty()) return false;
    return frameSizeFor(d_->rect.size(), naturalSize) == d_->rect.size();
}

void VideoWindow::frameReady() {
    if (d_->widget && d_->widget->isVisible()) d_->widget->update();
}

QSize VideoWindow::drawingSize(QSize naturalSize) const {
    if (!d_->widget || !d_->widget->isVisible()) return naturalSize;
    return frameSizeFor(d_->rect.size(), naturalSize);
}

QSize VideoWindow::frameSizeFor(QSize area, QSize naturalSize) {
    if (!naturalSize.isValid()) return area;
    switch (currentScaling) {
        case VideoScaling::InSource: return area;
        case VideoScaling::InPainter:
        case VideoScaling::InPainterSmooth: return naturalSize;
        case VideoScaling::BySize: break;
    }
    const qint64 areaPixels = qint64(area.width()) * area.height();
    return areaPixels <= qint64(naturalSize.width()) * naturalSize.height() ? area : naturalSize;
}

void VideoWindow::setScaling(VideoScaling scaling) { currentScaling = scaling; }

VideoScaling VideoWindow::scaling() { return currentScaling; }

}  // namespace ui
