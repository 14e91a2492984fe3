#include "ui/StringTable.h"

namespace ui {

QString LoadResString(int id) {
    switch (id) {
    case 101: return QStringLiteral("多媒体教学光盘");
    case 102: return QStringLiteral("未找到文件");
    case 103: return QStringLiteral("错误");
    default: return {};
    }
}

}  // namespace ui
