#include "game/scene/data/ItemDescription.h"

#include <tuple>

namespace {

auto fields(const ItemDescription& d) {
    return std::tie(d.name, d.image, d.path, d.layer, d.majorGroupID, d.minorGroupID, d.x, d.y,
                    d.angle, d.R, d.G, d.B, d.A, d.type, d.infoTip, d.typeId);
}

} // namespace

bool ItemDescription::operator==(const ItemDescription& other) const {
    return fields(*this) == fields(other);
}
