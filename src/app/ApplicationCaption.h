#pragma once

#include <string>

#include "app/Messages.h"

namespace qlx {

// The program title, used as the caption of every message box that has none of its own.
inline constexpr const char* kDefaultApplicationCaption = "Label Media Manager";

// String 100 of the resource library, or "Label Media Manager" when that string is empty.
std::string ApplicationCaption(const StringSource& strings);

} // namespace qlx
