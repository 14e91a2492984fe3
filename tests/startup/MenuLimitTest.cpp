// The [menu] section read from a real AUTORUN.INF at its limit: 9,998 bytes
// (every line with its NUL) are read whole; one byte more is cut to 9,998,
// which takes the last line's NUL, and the line in which the cut falls is
// not an item.
#include "startup/DiscConfig.h"
#include "startup/MenuTable.h"
#include "startup/SharedState.h"
#include "support/DiscFixture.h"

#include <gtest/gtest.h>

namespace {

// A [menu] section of `lines` items whose lines and NULs come to `bytes`.
QByteArray menuOfSize(int lines, int bytes) {
    QByteArray ini = "[main]\r\nheader=\r\n[menu]\r\n";
    int left = bytes;
    for (int i = 1; i <= lines; ++i) {
        QByteArray line = QByteArray::number(i) + "list=1,2,3,4,#lesson,";
        const int length = i < lines ? (bytes / lines) - 1 : left - 1;  // a NUL follows each line
        line += QByteArray(length - line.size(), 'f');
        left -= line.size() + 1;
        ini += line + "\r\n";
    }
    EXPECT_EQ(left, 0);
    return ini;
}

TEST(MenuSectionLimit, ExactlyAtTheLimitIsWholeOneByteMoreLosesTheLastItem) {
    const struct {
        int bytes;
        int items;
    } cases[] = {{9998, 100}, {9999, 99}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        fixture::DiscFixture disc;
        disc.writeIni(menuOfSize(100, c.bytes));
        startup::SetAppFolderForTests(disc.path());
        ResetSharedState();
        Shared().IniFile = startup::AppFolder() + "AUTORUN.INF";
        startup::ReadMenuTable();
        EXPECT_EQ(Shared().MenuRects.Count(), c.items);
        EXPECT_EQ(Shared().MenuActions.Count(), c.items);
        EXPECT_TRUE(Shared().MenuActions.Exists("99list"));
        EXPECT_EQ(Shared().MenuActions.Exists("100list"), c.items == 100);
        startup::SetAppFolderForTests(QString());
        ResetSharedState();
    }
}

}  // namespace
