#include "DemoContent.h"

#include <QSet>

namespace demo {

namespace {

const QColor kBlue(47, 111, 196), kBlueDark(31, 76, 145);
const QColor kGreen(38, 150, 112), kGreenDark(24, 106, 80);
const QColor kOrange(235, 127, 58), kOrangeDark(190, 88, 32);

MenuItem lesson(int n, const QString& badge, const QString& title, const QString& note, int top,
                const QString& action) {
    return {n, title, note, QRect(112, top, 360, 48), action, ItemLook::Lesson, badge};
}
MenuItem chip(int n, const QString& title, const QString& glyph, QRect rect, const QString& action) {
    return {n, title, {}, rect, action, ItemLook::Chip, glyph};
}
MenuItem back(int n, const QString& action) {
    return {n, QStringLiteral("返回目录"), {}, QRect(400, 18, 108, 32), action, ItemLook::BackChip,
            QStringLiteral("‹")};
}

DiscContent makeContent() {
    DiscContent c;
    c.discTitle = QStringLiteral("小小探索家");
    c.discSubtitle = QStringLiteral("演示光盘");

    // Page 1: three lessons, then help, the next page and the intro again.
    // The lessons use the disc's own word "播放"; page 2 uses "lesson".
    c.pages.append({QStringLiteral("目录\\主菜单.jpg"), QStringLiteral("主菜单"),
                    QStringLiteral("第一单元 · 颜色、形状和数字"), kBlue, kBlueDark,
                    {lesson(1, QStringLiteral("1"), QStringLiteral("第一课  认识颜色"), QStringLiteral("WMV 视频 · 6 秒"), 124,
                            QStringLiteral("播放,第一单元\\第一课.wmv")),
                     lesson(2, QStringLiteral("2"), QStringLiteral("第二课  有趣的形状"), QStringLiteral("MPEG 视频 · 6 秒"), 184,
                            QStringLiteral("播放,第一单元\\第二课.mpg")),
                     lesson(3, QStringLiteral("3"), QStringLiteral("第三课  数一数"), QStringLiteral("VCD 视频 · 6 秒"), 244,
                            QStringLiteral("播放,mpegav\\avseq01.dat")),
                     chip(4, QStringLiteral("使用帮助"), QStringLiteral("?"), QRect(112, 320, 112, 40),
                          QStringLiteral("url,help\\help.htm")),
                     chip(5, QStringLiteral("第二单元"), QStringLiteral("›"), QRect(236, 320, 112, 40),
                          QStringLiteral("redirect,2")),
                     chip(6, QStringLiteral("重看片头"), QStringLiteral("↺"), QRect(360, 320, 112, 40),
                          QStringLiteral("header"))}});

    // Page 2 starts with its way back, so the arrow opens beside item 8.
    c.pages.append({QStringLiteral("目录\\第二单元.jpg"), QStringLiteral("第二单元"),
                    QStringLiteral("生活和自然"), kGreen, kGreenDark,
                    {back(7, QStringLiteral("redirect,1")),
                     lesson(8, QStringLiteral("4"), QStringLiteral("第四课  我的一天"), QStringLiteral("MPEG 视频 · 6 秒"), 124,
                            QStringLiteral("lesson,第二单元\\第四课.mpg")),
                     lesson(9, QStringLiteral("5"), QStringLiteral("第五课  动物朋友"), QStringLiteral("WMV 视频 · 6 秒"), 184,
                            QStringLiteral("lesson,第二单元\\第五课.wmv")),
                     chip(10, QStringLiteral("课外天地"), QStringLiteral("›"), QRect(112, 260, 136, 40),
                          QStringLiteral("redirect,3"))}});

    // Page 3: two songs, a link to a web page and the intro clip on its own.
    c.pages.append({QStringLiteral("目录\\课外天地.jpg"), QStringLiteral("课外天地"),
                    QStringLiteral("儿歌和更多内容"), kOrange, kOrangeDark,
                    {back(11, QStringLiteral("redirect,1")),
                     lesson(12, QStringLiteral("♪"), QStringLiteral("儿歌  小星星"), QStringLiteral("VCD 视频 · 6 秒"), 124,
                            QStringLiteral("播放,儿歌\\小星星.dat")),
                     lesson(13, QStringLiteral("♪"), QStringLiteral("儿歌  两只老虎"), QStringLiteral("MPEG 视频 · 6 秒"),
                            184, QStringLiteral("播放,儿歌\\两只老虎.mpg")),
                     chip(14, QStringLiteral("访问网站"), QStringLiteral("↗"), QRect(112, 260, 136, 40),
                          QStringLiteral("url,https://example.org/")),
                     chip(15, QStringLiteral("片头动画"), QStringLiteral("↺"), QRect(260, 260, 136, 40),
                          QStringLiteral("header,片头\\片头.wmv"))}});

    const QSize area(528, 432), vcd(352, 288), intro(640, 480);
    c.clips = {
        {QStringLiteral("片头\\片头.wmv"), ClipKind::Wmv, QStringLiteral("欢迎来到小小探索家"),
         QStringLiteral("演示光盘 · 单击鼠标可以跳过"), intro, 5, 523, kBlue},
        {QStringLiteral("第一单元\\第一课.wmv"), ClipKind::Wmv, QStringLiteral("第一课  认识颜色"),
         QStringLiteral("红色、黄色和蓝色"), area, 6, 440, QColor(214, 69, 80)},
        {QStringLiteral("第一单元\\第二课.mpg"), ClipKind::Mpg, QStringLiteral("第二课  有趣的形状"),
         QStringLiteral("圆形、方形和三角形"), area, 6, 494, QColor(120, 86, 200)},
        {QStringLiteral("mpegav\\avseq01.dat"), ClipKind::VcdDat, QStringLiteral("第三课  数一数"),
         QStringLiteral("一、二、三、四、五"), vcd, 6, 587, QColor(36, 140, 190)},
        {QStringLiteral("第二单元\\第四课.mpg"), ClipKind::Mpg, QStringLiteral("第四课  我的一天"),
         QStringLiteral("早上、中午和晚上"), area, 6, 659, kGreen},
        {QStringLiteral("第二单元\\第五课.wmv"), ClipKind::Wmv, QStringLiteral("第五课  动物朋友"),
         QStringLiteral("小猫、小狗和小鸟"), area, 6, 698, QColor(196, 140, 40)},
        {QStringLiteral("儿歌\\小星星.dat"), ClipKind::VcdDat, QStringLiteral("儿歌  小星星"),
         QStringLiteral("一闪一闪亮晶晶"), vcd, 6, 784, QColor(40, 60, 130)},
        {QStringLiteral("儿歌\\两只老虎.mpg"), ClipKind::Mpg, QStringLiteral("儿歌  两只老虎"),
         QStringLiteral("两只老虎，跑得快"), area, 6, 622, QColor(200, 90, 140)},
        {QStringLiteral("片尾\\再见.mpg"), ClipKind::Mpg, QStringLiteral("再见，小探索家！"),
         QStringLiteral("下次再一起学习吧"), intro, 4, 392, kOrange},
    };
    c.stills = {
        {QStringLiteral("片头\\欢迎.jpg"), QStringLiteral("小小探索家"),
         QStringLiteral("演示光盘 · 马上开始"), kBlue},
        {QStringLiteral("片尾\\谢谢.jpg"), QStringLiteral("谢谢观看"),
         QStringLiteral("小小探索家 · 演示光盘"), kOrange},
    };
    c.header = {QStringLiteral("片头\\欢迎.jpg"), QStringLiteral("片头\\片头.wmv")};
    c.laster = {QStringLiteral("片尾\\再见.mpg"), QStringLiteral("片尾\\谢谢.jpg")};
    c.donghua = QStringLiteral("help\\动画乐园.htm");
    c.shengyin = QStringLiteral("help\\声音小站.htm");
    return c;
}

}  // namespace

const DiscContent& Content() {
    static const DiscContent content = makeContent();
    return content;
}

QString InfRect(const QRect& r) {
    return QStringLiteral("%1,%2,%3,%4").arg(r.left()).arg(r.top()).arg(r.left() + r.width()).arg(
        r.top() + r.height());
}

QString PageRange(const MenuPage& page) {
    return QStringLiteral("%1-%2").arg(page.items.first().number).arg(page.items.last().number);
}

QString Slashed(const QString& discName) {
    QString s = discName;
    return s.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString OnDiskName(const QString& discName) {
    // Folders and files kept in upper case on the disc (compared in lower case).
    static const QSet<QString> upper = {
        QStringLiteral("image"),     QStringLiteral("help"),        QStringLiteral("mpegav"),
        QStringLiteral("avseq01.dat"), QStringLiteral("play.jpg"),  QStringLiteral("pause.jpg"),
        QStringLiteral("stop_h.jpg"), QStringLiteral("trad2_1.bmp"), QStringLiteral("第一课.wmv"),
    };
    static const QSet<QString> lower = {QStringLiteral("cback.jpg")};
    QStringList parts = Slashed(discName).split(QLatin1Char('/'));
    for (QString& part : parts) {
        const QString key = part.toLower();
        if (upper.contains(key)) part = part.toUpper();
        else if (lower.contains(key)) part = key;
    }
    return parts.join(QLatin1Char('/'));
}

}  // namespace demo
