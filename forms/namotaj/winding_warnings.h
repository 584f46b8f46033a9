#pragma once

#include <QString>
#include <span>

#include "formkit/warnings.h"
#include "winding/winding.h"

namespace namotaj {

// Why a winding or a wire suggestion failed, in a sentence that names the
// field to fix, its numbers written by the region. The inputs are the
// window's fields in the order of winding::Field.
QString windingWarning(const winding::BadField& failure, std::span<const formkit::Input> inputs,
                       const calc::Region& region);

}  // namespace namotaj
