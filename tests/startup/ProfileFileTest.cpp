// The profile-file reader over raw bytes: names, trimming, quotes, defaults,
// byte limits, line ends, byte-order marks and the two text encodings.
#include "startup/ProfileFile.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace startup;

namespace {

struct StringCase {
    const char* name;
    QByteArray file;
    const char* section;
    const char* key;
    QString expected;
    bool found;
    bool cut;
};

QByteArray Utf16Le(const QString& text) {
    QByteArray out("\xFF\xFE", 2);
    out.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return out;
}

QString Repeat(char c, int n) { return QString(n, QLatin1Char(c)); }

}  // namespace

TEST(ProfileFile, ReadsOneValueByTheClassicRules) {
    const QString dflt = QStringLiteral("Default Caption");
    const std::vector<StringCase> cases = {
        {"names ignore case", "[MAIN]\r\nHeader=a.wmv\r\n", "main", "HEADER", "a.wmv", true, false},
        {"spaces around key and value", "[main]\r\n  header \t=   a b.wmv  \r\n", "main", "header", "a b.wmv", true, false},
        {"one pair of quotes dropped", "[main]\r\nheader=\"\"a\"\"\r\n", "main", "header", "\"a\"", true, false},
        {"spaces inside quotes kept", "[main]\r\nheader=\" a \"\r\n", "main", "header", " a ", true, false},
        {"a lone quote stays", "[main]\r\nheader=\"\r\n", "main", "header", "\"", true, false},
        {"empty value", "[main]\r\nheader=\r\n", "main", "header", "", true, false},
        {"absent key", "[main]\r\nlaster=x\r\n", "main", "header", dflt, false, false},
        {"absent section", "[menu]\r\nheader=x\r\n", "main", "header", dflt, false, false},
        {"empty file", "", "main", "header", dflt, false, false},
        {"key before any section", "header=x\r\n[main]\r\n", "main", "header", dflt, false, false},
        {"key of another section", "[main]\r\n[other]\r\nheader=x\r\n", "main", "header", dflt, false, false},
        {"first key wins", "[main]\r\nheader=a\r\nHEADER=b\r\n", "main", "header", "a", true, false},
        {"first section wins", "[main]\r\nface=f\r\n[Main]\r\nheader=b\r\n", "main", "header", dflt, false, false},
        {"first = splits", "[main]\r\nheader=a=b\r\n", "main", "header", "a=b", true, false},
        {"LF line ends", "[main]\nface=f\nheader=h\n", "main", "header", "h", true, false},
        {"CR line ends", "[main]\rface=f\rheader=h\r", "main", "header", "h", true, false},
        {"no line end at the end", "[main]\r\nheader=h", "main", "header", "h", true, false},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF[main]\r\nheader=h\r\n", "main", "header", "h", true, false},
        {"comment line", "[main]\r\n;header=x\r\nheader=h\r\n", "main", "header", "h", true, false},
        {"UTF-8 text", "[main]\r\nheader=课件\\第一课.wmv\r\n", "main", "header", "课件\\第一课.wmv", true, false},
        {"UTF-16 file", Utf16Le("[main]\r\nheader=课件.wmv\r\n"), "main", "header", "课件.wmv", true, false},
        // GBK bytes of 课件, then "\", then a character whose trail byte is 0x5C.
        {"GB18030 with a 0x5C trail byte", "[main]\r\nheader=\xBF\xCE\xBC\xFE\\\xD5\x5C.wmv\r\n", "main", "header",
         "课件\\誠.wmv", true, false},
        {"value of 255 bytes", "[main]\r\nheader=" + Repeat('a', 255).toUtf8() + "\r\n", "main", "header",
         Repeat('a', 255), true, false},
        {"value cut at 255 bytes", "[main]\r\nheader=\"" + Repeat('a', 300).toUtf8() + "\"\r\n", "main", "header",
         Repeat('a', 255), true, true},
        // A cut inside a two-byte character drops the whole character.
        {"GB18030 value cut on a character", "[main]\r\nheader=" + Repeat('a', 254).toUtf8() + "\xBF\xCE\xFF\r\n",
         "main", "header", Repeat('a', 254), true, true},
        {"UTF-8 value cut on a character", "[main]\r\nheader=" + Repeat('a', 254).toUtf8() + "课\r\n", "main",
         "header", Repeat('a', 254), true, true},
    };
    for (const StringCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ProfileString r = ProfileGetString(c.file, QString::fromLatin1(c.section), QString::fromLatin1(c.key));
        EXPECT_EQ(r.text, c.expected);
        EXPECT_EQ(r.found, c.found);
        EXPECT_EQ(r.cut, c.cut);
    }
}

TEST(ProfileFile, SectionIsEveryLineFollowedByNul) {
    const QByteArray file = "[Menu]\r\n1list=40,100,300,140,#redirect,2\r\n\r\n  2list = 4 #a  \r\n;note\r\n"
                            "odd line\r\n[navigate]\r\ndonghua=x\r\n";
    const ProfileSection s = ProfileGetSection(file, u"menu");
    EXPECT_TRUE(s.found);
    EXPECT_FALSE(s.cut);
    EXPECT_EQ(s.text, QStringLiteral("1list=40,100,300,140,#redirect,2") + QChar(0) + "2list=4 #a" + QChar(0) +
                          "odd line" + QChar(0));

    EXPECT_EQ(ProfileGetSection(file, u"main").text, QString());
    EXPECT_FALSE(ProfileGetSection(file, u"main").found);
    EXPECT_EQ(ProfileGetSection("[menu]\r\n", u"menu").text, QString());
}

TEST(ProfileFile, NamesOfSectionsAndKeysWithTheirRepeats) {
    const QByteArray file = "[main]\r\nface=a\r\nFACE=b\r\n;x=y\r\nno key\r\n[Main]\r\nface=c\r\n[menu]\r\n";
    EXPECT_EQ(ProfileSectionNames(file), QStringList({"main", "Main", "menu"}));
    EXPECT_EQ(ProfileKeyNames(file, u"MAIN"), QStringList({"face", "FACE"}));
    EXPECT_TRUE(ProfileKeyNames(file, u"navigate").isEmpty());
}

TEST(ProfileFile, LongSectionIsCutAt9998Bytes) {
    QByteArray file = "[menu]\r\n";
    // 100 lines of 99 bytes each, plus a NUL each: 10,000 bytes.
    for (int i = 0; i < 100; ++i) {
        QByteArray line = QByteArray::number(i + 1) + "list=1,2,3,4,#x,";
        line += QByteArray(99 - line.size(), 'f');
        file += line + "\r\n";
    }
    const ProfileSection s = ProfileGetSection(file, u"menu");
    EXPECT_TRUE(s.cut);
    EXPECT_EQ(s.text.size(), 9998);
    const QStringList pieces = s.text.split(QChar(0));
    EXPECT_EQ(pieces.size(), 100);              // 99 whole lines and the cut one
    EXPECT_EQ(pieces.back().size(), 98);        // the 100th line lost its last byte
}

// How this reader treats the cases where profile readers differ, checked
// against public conformance tests of the classic profile functions: tests run
// against the platform itself (with notes on what they found), and the tests
// of an open-source reimplementation of that platform's API, which also run
// against the platform. Where a row says "disagree", the platform-run finding
// was chosen: the discs were authored and tried on the platform.
TEST(ProfileFile, BehaviourWhereReadersDiffer) {
    struct Case {
        const char* name;
        QByteArray file;
        const char* section;
        const char* key;  // nullptr: read the whole section ("|" stands for NUL)
        QByteArray expected;
    };
    const QByteArray dflt = kProfileDefault;
    const std::vector<Case> cases = {
        // Quotes: one enclosing pair of either kind goes, after the spaces
        // around the value; anything else stays. (Both sources.)
        {"double quotes", "[s]\r\nk=\"a b\"\r\n", "s", "k", "a b"},
        {"single quotes", "[s]\r\nk='a b'\r\n", "s", "k", "a b"},
        {"spaces outside the quotes go, inside stay", "[s]\r\nk =  ' a '  \r\n", "s", "k", " a "},
        {"only the outermost pair", "[s]\r\nk='\"a\"'\r\n", "s", "k", "\"a\""},
        {"quotes that do not match stay", "[s]\r\nk=\"a'\r\n", "s", "k", "\"a'"},
        {"a quote at the start only stays", "[s]\r\nk=\"a\r\n", "s", "k", "\"a"},
        {"a quote at the end only stays", "[s]\r\nk=a'\r\n", "s", "k", "a'"},
        {"quotes inside the value stay", "[s]\r\nk=a \"b\" c\r\n", "s", "k", "a \"b\" c"},
        {"one quote alone stays", "[s]\r\nk='\r\n", "s", "k", "'"},
        {"the section read keeps the quotes", "[s]\r\nk = 'v'\r\n", "s", nullptr, "k='v'|"},
        // Spaces and tabs around keys, "=" and values go (both sources).
        {"spaces around key and =", "[s]\r\n  k  =  v  \r\n", "s", "k", "v"},
        {"tabs around key and =", "[s]\r\n\tk\t=\tv\t\r\n", "s", "k", "v"},
        {"the section read gives key=value", "[s]\r\n k = v \r\n", "s", nullptr, "k=v|"},
        // A line without "=" is no key, but the section read gives it (the
        // reimplementation's section test; the platform's key list leaves it out).
        {"a key without =", "[s]\r\nk\r\n", "s", "k", dflt},
        {"the section read keeps a line without =", "[s]\r\na=1\r\nk\r\nb=2\r\n", "s", nullptr, "a=1|k|b=2|"},
        // Blank lines and ";" lines are no entries, even after spaces; ";"
        // elsewhere is text (platform-run tests; the reimplementation skips
        // comments in the section read too).
        {"a line of only spaces", "[s]\r\n   \r\n\t\r\nk=v\r\n", "s", nullptr, "k=v|"},
        {"a comment line", "[s]\r\n;k=x\r\nk=v\r\n", "s", "k", "v"},
        {"a comment after spaces", "[s]\r\n  ;k=x\r\n", "s", "k", dflt},
        {"the section read leaves comments out", "[s]\r\n;c\r\nk=v\r\n", "s", nullptr, "k=v|"},
        {"; inside a value", "[s]\r\nk=v ;not a comment\r\n", "s", "k", "v ;not a comment"},
        {"; inside a key", "[s]\r\nk;x=v\r\n", "s", "k;x", "v"},
        // Repeats: the first key and the first section win; a repeated section
        // is not merged (both sources).
        {"repeated key", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "1"},
        {"repeated section, key in the second", "[s]\r\na=1\r\n[S]\r\nk=2\r\n", "s", "k", dflt},
        {"repeated section, section read", "[s]\r\na=1\r\n[S]\r\nk=2\r\n", "s", nullptr, "a=1|"},
        // An empty key name is a key like any other (the reimplementation's
        // tests; only its wide-character function can ask for it).
        {"an empty key name", "[s]\r\n=v\r\n", "s", "", "v"},
        {"the section read keeps an empty key", "[s]\r\n=v\r\nk=w\r\n", "s", nullptr, "=v|k=w|"},
        // Section headers.
        {"spaces inside the brackets", "[ navigate ]\r\nk=v\r\n", "navigate", "k", "v"},
        {"tabs inside the brackets", "[\tnavigate\t]\r\nk=v\r\n", "navigate", "k", "v"},
        {"spaces before the bracket", "  [navigate]\r\nk=v\r\n", "navigate", "k", "v"},
        // Disagree: the reimplementation takes a line without "]" as no header
        // (its lines go on in the section above); on the platform it opens the
        // section, named up to the end of the line.
        {"no closing bracket", "[main]\r\nk=1\r\n[navigate\r\nk=v\r\n", "navigate", "k", "v"},
        {"no closing bracket ends the section above", "[main]\r\nk=1\r\n[navigate\r\nj=v\r\n", "main", "j", dflt},
        {"text after ]", "[navigate] ; side buttons\r\nk=v\r\n", "navigate", "k", "v"},
        // Disagree: the reimplementation names the section up to the last "]"
        // ("a]b"); on the platform the name ends at the first.
        {"two closing brackets", "[a]b]\r\nk=v\r\n", "a", "k", "v"},
        {"; inside the brackets is part of the name", "[;x]\r\nk=v\r\n", ";x", "k", "v"},
        {"[ inside a line is text", "[s]\r\nk=[t]\r\nx [t]\r\nj=v\r\n", "s", "j", "v"},
        {"[ after a NUL is text", QByteArray("[s]\r\nk=v\0[t]\r\nj=w\r\n", 19), "s", "j", "w"},
        // A value longer than the 256-byte buffer is cut to 255 bytes (the
        // platform truncates to the buffer less its NUL).
        {"a value longer than the buffer", "[s]\r\nk=" + QByteArray(300, 'x') + "\r\n", "s", "k", QByteArray(255, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString section = QString::fromUtf8(c.section);
        if (c.key) {
            EXPECT_EQ(ProfileGetString(c.file, section, QString::fromUtf8(c.key)).text, QString::fromUtf8(c.expected));
        } else {
            QString expected = QString::fromUtf8(c.expected);
            expected.replace(QLatin1Char('|'), QChar(0));
            EXPECT_EQ(ProfileGetSection(c.file, section).text, expected);
        }
    }
}
