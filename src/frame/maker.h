#pragma once

// The maker's addresses, offered in the help menu and by the error report window.
namespace maker {

inline constexpr char supportMail[] = "support@kestrelsoft.example";
inline constexpr char homePage[] = "https://www.kestrelsoft.example/";

} // namespace maker
