// What a link names: a file on the disc (only when it is there, in any letter
// case), a "www." address, or something handed over exactly as written.
#include "player/ShellTarget.h"
#include "support/DiscFixture.h"
#include <gtest/gtest.h>

namespace {

using Kind = ShellTarget::Kind;

TEST(ShellTargetRule, DiscFilesWebAddressesAndTheRestAsWritten) {
    fixture::DiscFixture disc;
    disc.write("Help/Guide.htm", "<html></html>");
    disc.write("www.local.htm", "<html></html>");
    disc.mkdir("Docs");
    const QString root = disc.path();

    struct Case {
        const char* target;
        Kind kind;
        const char* argument;  // what the opener gets; a disc file relative to the disc
    };
    const Case cases[] = {
        {"help\\guide.htm", Kind::DiscFile, "Help/Guide.htm"},
        {"HELP/GUIDE.HTM", Kind::DiscFile, "Help/Guide.htm"},
        {"docs", Kind::DiscFile, "Docs"},
        {"www.local.htm", Kind::DiscFile, "www.local.htm"},  // a file of the disc comes first
        {"www.example.com", Kind::WebAddress, "http://www.example.com"},
        {"WWW.Example.com/a b?x=1", Kind::WebAddress, "http://WWW.Example.com/a b?x=1"},
        {"wwwroot\\index.htm", Kind::AsWritten, "wwwroot\\index.htm"},
        {"http://example.com/x.htm", Kind::AsWritten, "http://example.com/x.htm"},
        {"mailto:someone@example.com", Kind::AsWritten, "mailto:someone@example.com"},
        {"help\\missing.htm", Kind::AsWritten, "help\\missing.htm"},
        {"/usr/share/doc", Kind::AsWritten, "/usr/share/doc"},
        {"Default Caption", Kind::AsWritten, "Default Caption"},
        {"; rm -rf x", Kind::AsWritten, "; rm -rf x"},
        {"", Kind::Nothing, ""},
        {"   ", Kind::Nothing, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        const ShellTarget t = ClassifyShellTarget(QString::fromUtf8(c.target), root);
        EXPECT_EQ(t.kind, c.kind);
        const QString argument = QString::fromUtf8(c.argument);
        if (c.kind == Kind::DiscFile) {
            EXPECT_EQ(t.text, root + QString::fromUtf8(c.target)) << "the disc path, as the disc writes it";
            EXPECT_EQ(OpenerArgument(t), root + argument) << "the real spelling on disk";
        } else {
            EXPECT_EQ(OpenerArgument(t), argument);
        }
    }
}

}  // namespace
