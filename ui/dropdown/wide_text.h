#pragma once
// 16-bit (UTF-16) text to and from the 8-bit text of the framework, in the system's default 8-bit code
// page (characters that code page lacks become its default character).
#include <string>
#include <string_view>

namespace ui {

std::wstring WidenText(std::string_view Text);
std::string NarrowText(std::wstring_view Text);

}  // namespace ui
