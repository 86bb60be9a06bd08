// The files the program carries as data: the skin library, the 37 skins,
// the cursor and the logo, all read through one function.
#pragma once

#include <string_view>

namespace keyloom {

// The bytes of the carried file with this id (platform/resource_ids.h), read
// from the running program's own resources; empty when it is not there.
std::string_view CarriedResource(int id);

}  // namespace keyloom
