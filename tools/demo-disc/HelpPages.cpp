#include "HelpPages.h"

namespace demo {

namespace {

QString page(const QString& title, const QString& body) {
    return QStringLiteral(
               "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
               "<title>%1</title>\n<style>\n"
               "body{margin:0;font-family:\"Noto Sans CJK SC\",\"Microsoft YaHei\",sans-serif;"
               "background:#f4f7fc;color:#26344a;line-height:1.7}\n"
               "header{background:linear-gradient(135deg,#3478ce,#1c468c);color:#fff;padding:28px 40px}\n"
               "header h1{margin:0;font-size:28px}header p{margin:4px 0 0;opacity:.85}\n"
               "main{max-width:720px;margin:24px auto;padding:0 24px}\n"
               "section{background:#fff;border:1px solid #dce4f0;border-radius:14px;padding:16px 24px;"
               "margin-bottom:16px}\n"
               "h2{color:#2f6fc4;font-size:19px;margin:4px 0 8px}\n"
               "kbd{background:#eaf1fb;border:1px solid #c4d4ec;border-radius:6px;padding:0 6px}\n"
               "</style>\n</head>\n<body>\n%2\n</body>\n</html>\n")
        .arg(title, body);
}

QString helpBody(const DiscContent& c) {
    return QStringLiteral(
               "<header><h1>%1 · 使用帮助</h1><p>%2：边看边学，快乐成长</p></header>\n<main>\n"
               "<section><h2>开始学习</h2><p>光盘放入后会先播放片头，单击鼠标可以跳过。"
               "然后出现目录：把鼠标移到课程上，鼠标会变成小手，箭头会指向这一课；单击就开始播放。</p></section>\n"
               "<section><h2>播放时</h2><p>窗口下方有 <kbd>播放</kbd>、<kbd>暂停</kbd> 和 <kbd>目录</kbd> 按钮："
               "<kbd>目录</kbd> 停止播放并回到目录。拖动进度条可以跳到想看的地方；"
               "<kbd>静音</kbd> 按钮关闭或打开声音，旁边的音量条调节音量。</p></section>\n"
               "<section><h2>全屏和退出</h2><p>右上角的 <kbd>全屏</kbd> 让画面铺满屏幕，再点一次回到窗口。"
               "<kbd>退出</kbd> 会先问一问，选“确定”后播放片尾，然后关闭。</p></section>\n"
               "<section><h2>更多内容</h2><p>目录里的“第二单元”和“课外天地”有更多课程和儿歌；"
               "左边的“声音”和“动画”按钮打开介绍页。</p></section>\n</main>")
        .arg(c.discTitle, c.discSubtitle);
}

}  // namespace

bool WriteHelpPages(DiscWriter& w, const DiscContent& c) {
    const QString donghua = page(QStringLiteral("动画乐园"),
                                 QStringLiteral("<header><h1>动画乐园</h1><p>%1</p></header>\n<main><section>"
                                                "<h2>看动画，学知识</h2><p>每一课都是一段短短的动画："
                                                "小球从左边跳到右边，告诉你播放到了哪里。回到目录，选一课试试吧！"
                                                "</p></section></main>")
                                     .arg(c.discTitle));
    const QString shengyin = page(QStringLiteral("声音小站"),
                                  QStringLiteral("<header><h1>声音小站</h1><p>%1</p></header>\n<main><section>"
                                                 "<h2>听一听</h2><p>每一课都有自己的音调，“嘀、嘀”地响。"
                                                 "声音太大？用窗口下方的音量条调小一点，或者按“静音”。"
                                                 "</p></section></main>")
                                      .arg(c.discTitle));
    return w.writeBytes(QStringLiteral("help\\help.htm"),
                        page(QStringLiteral("使用帮助"), helpBody(c)).toUtf8()) &&
           w.writeBytes(c.donghua, donghua.toUtf8()) && w.writeBytes(c.shengyin, shengyin.toUtf8());
}

}  // namespace demo
