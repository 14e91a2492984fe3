#include "ui/DiscMount.h"

namespace ui {

namespace {
struct Mount {
    std::unique_ptr<disc::Image> image;
    QString root;
};
Mount& mount() {
    static Mount m;
    return m;
}
}  // namespace

void MountImage(std::unique_ptr<disc::Image> image, const QString& root) {
    Mount& m = mount();
    m.image = std::move(image);
    m.root = root;
    if (!m.root.endsWith(QLatin1Char('/'))) m.root += QLatin1Char('/');
}

void UnmountImage() { mount() = Mount{}; }

const disc::Image* MountedImage() { return mount().image.get(); }

QString MountedRoot() { return mount().image ? mount().root : QString(); }

bool InsideImage(const QString& path, QString* inner) {
    const Mount& m = mount();
    if (!m.image) return false;
    QString unified = path;
    unified.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!unified.startsWith(m.root)) return false;
    if (inner) *inner = unified.mid(m.root.size());
    return true;
}

std::optional<disc::NodeInfo> ImageNode(const QString& path) {
    QString inner;
    if (!InsideImage(path, &inner)) return std::nullopt;
    return mount().image->stat(inner);
}

}  // namespace ui
