// Any bytes as AUTORUN.INF: the keys start-up reads, the section and key names
// disc-check lists, the [menu] section made into lines, rectangles and
// actions, and the newloop ranges. Malformed input may raise the runtime's
// errors (the player reports them); anything else — a crash, another
// exception, undefined behaviour, an input slower than tools/fuzz.sh's 2
// seconds — is a finding.
#include "startup/MenuItem.h"
#include "startup/MenuTable.h"
#include "startup/ProfileFile.h"
#include "ui/Errors.h"
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const startup::Profile profile(file);
    for (const char* key : {"header", "laster", "face"}) (void)profile.value(u"main", QString::fromLatin1(key));
    (void)profile.sectionNames();
    (void)profile.keyNames(u"Main");

    const startup::ProfileString newloop = profile.value(u"main", u"newloop");
    for (const QString& entry : newloop.text.split(u',')) {
        try {
            (void)startup::ParseRange(entry);
        } catch (const ui::RuntimeError&) {
        }
    }

    const startup::ProfileSection menu = profile.section(u"MENU");
    for (const QString& piece : startup::MenuPieces(menu.text)) {
        const startup::ParsedMenuLine parsed = startup::ParseMenuLine(piece);
        if (!parsed.line) continue;
        (void)startup::SplitAction(parsed.line->action);
        try {
            (void)startup::ParseRect(parsed.line->rect, parsed.line->key);
        } catch (const ui::RuntimeError&) {
        }
    }
    return 0;
}
