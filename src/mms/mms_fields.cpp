#include "mms/mms_fields.h"

namespace kestrova::mms {

std::span<const MmsFieldRow> mmsFields() {
    return fields::table;
}

const MmsFieldRow& mmsField(MmsField id) {
    return fields::table[static_cast<std::size_t>(id)];
}

const MmsFieldRow* mmsFieldNamed(QStringView name) {
    return codec::rowNamed(mmsFields(), name);
}

} // namespace kestrova::mms
