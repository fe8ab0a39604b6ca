#include "camera/menu_fields.h"

namespace kestrova::camera {

std::span<const MenuFieldRow> menuFields() {
    return fields::table;
}

const MenuFieldRow& menuField(MenuField id) {
    return fields::table[static_cast<std::size_t>(id)];
}

const MenuFieldRow* menuFieldNamed(QStringView name) {
    return codec::rowNamed(menuFields(), name);
}

} // namespace kestrova::camera
