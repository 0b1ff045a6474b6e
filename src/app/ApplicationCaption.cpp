#include "app/ApplicationCaption.h"

namespace qlx {

std::string ApplicationCaption(const StringSource& strings) {
    std::string caption = strings.String(100);
    return caption.empty() ? std::string(kDefaultApplicationCaption) : caption;
}

} // namespace qlx
