#pragma once
// The maker's name and web page: the text of the main window's link label and
// the page that label and the logo area open.
#include <QString>

inline const QString kMakerPage = QStringLiteral("https://example.org/autorun");
inline const QString kMakerLinkText = QStringLiteral("Autorun Player  ") + kMakerPage;
