#pragma once
// What closing the "dPMR param" dialog stores besides its Basic page, when
// the dialog was opened on the Basic tab and only that tab was edited: each
// list page stores the list it loaded when the dialog opened (encryption
// keys, contacts, the outbox, the inbox with every message marked read, the
// first group receive list). The dPMR keys of dpmr-cli close the dialog
// this way, so that a set there stores what the dialog would.
#include "core/image/radio_image.h"

namespace cps::dpmr {

void StoreListPagesOnClose(RadioImage& image);

}  // namespace cps::dpmr
