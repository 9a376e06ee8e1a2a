// The credit line and contact address shown by the About window, kept in one place.
#pragma once

namespace about_text {

inline constexpr char kCreditLine[] = "developed by its contributors";
inline constexpr char kContactAddress[] = "info@example.org";

}  // namespace about_text
