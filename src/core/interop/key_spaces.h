#pragma once
// The makers of the key spaces KeySpaces() lists, one per editor family.
#include <memory>

#include "core/interop/key_space.h"
#include "core/schema/schema.h"

namespace cps {

// The main channels (with "band") or the PMR channels: the table's eight
// columns and every control of the channel dialog.
std::shared_ptr<KeySpace> MakeChannelKeySpace(bool pmr);
// A settings page described by a schema: keys "<page>.<field>".
std::shared_ptr<KeySpace> MakeSchemaKeySpace(const PageSchema& page);
// The dPMR lists.
std::shared_ptr<KeySpace> MakeContactKeySpace();
std::shared_ptr<KeySpace> MakeGroupListKeySpace();
std::shared_ptr<KeySpace> MakeEncryptKeySpace();
std::shared_ptr<KeySpace> MakeOutboxKeySpace();
std::shared_ptr<KeySpace> MakeInboxKeySpace();

}  // namespace cps
