// Where the about box's two links lead: the maker's mail address (opened as a
// "mailto:" address) and home page. The link texts show them as they are.
#pragma once

namespace varuno {

inline constexpr const char* kMakerMail = "varuno@example.org";
inline constexpr const char* kMakerHomePage = "https://varuno.example.org/";

}  // namespace varuno
