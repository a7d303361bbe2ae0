// The two pages the window opens in the user's web browser.
#pragma once

#include <string_view>

namespace fokuro {

inline constexpr std::string_view kAuthorPageAddress = "https://fokuro.example/";
inline constexpr std::string_view kSecondPageAddress = "https://fokuro.example/cameras/";

}  // namespace fokuro
