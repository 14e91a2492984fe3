#pragma once
// The program's string table.
#include <QString>

namespace ui {

// 101: the product title; 102: "未找到文件"; 103: "错误". Other ids give "".
QString LoadResString(int id);

}  // namespace ui
