#include "app/ModelProfile.h"

namespace qlx {

ModelProfile ModelProfileFor(const std::string& modelCode) {
    if (modelCode == "qlx410a" || modelCode == "qlx530e" || modelCode == "qlx530ew") {
        return ModelProfile{300, 672, 6300, 248, 5680, 220, 5680, 5680};
    }
    return ModelProfile{203, 448, 6300, 248, 5600, 220, 5600, 5600};
}

} // namespace qlx
