// The credit line and contact address shown by the About window, kept in one place. The credit
// line is translated (context "Form_About"); the address is a name and is not.
#pragma once

#include <QtGlobal>

namespace about_text {

inline constexpr char kCreditLine[] =
    QT_TRANSLATE_NOOP("Form_About", "developed by its contributors");
inline constexpr char kContactAddress[] = "info@example.org";

}  // namespace about_text
