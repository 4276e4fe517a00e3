// SPDX-License-Identifier: GPL-3.0-or-later
// The dPMR settings on the command line: "show FILE
// dpmr|contacts|keys|messages|grouplists".
#include <ostream>
#include <string>

#include "cli/cli.h"
#include "cli/schema_keys.h"
#include "core/dpmr/contacts.h"
#include "core/dpmr/dpmr_basic_page.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dpmr/group_lists.h"
#include "core/dpmr/messages.h"
#include "core/image/contact_repair.h"

namespace cps::cli {
namespace {

std::string Pad(const std::string& s, std::size_t width) {
  return s.size() >= width ? s + " " : s + std::string(width - s.size(), ' ');
}

void PrintContacts(std::ostream& out, const RadioImage& image) {
  dpmr::ContactList list;
  list.Load(image);
  out << "[Contact]\n";
  out << "  " << Pad("No.", 5) << Pad("Name", 10) << Pad("Number", 9) << Pad("Type", 13) << "Slot\n";
  for (int i = 0; i < list.Count(); ++i) {
    const dpmr::Contact& c = list.At(i);
    out << "  " << Pad(std::to_string(i + 1), 5) << Pad(c.name, 10) << Pad(c.number, 9)
        << Pad(dpmr::ContactList::TypeText(c.group), 13) << dpmr::ContactList::SlotOf(c) << "\n";
  }
}

void PrintKeys(std::ostream& out, const RadioImage& image) {
  dpmr::KeyList keys;
  keys.Load(image);
  out << "[Encrypt]\n";
  out << "  Encrypt: " << (keys.encrypt() ? "on" : "off") << "\n";
  out << "  " << Pad("No.", 5) << Pad("Alias", 10) << "Encrypt\n";
  for (int i = 0; i < keys.Count(); ++i)
    out << "  " << Pad(std::to_string(i + 1), 5) << Pad(keys.At(i).alias, 10) << keys.At(i).key << "\n";
}

void PrintMessages(std::ostream& out, const RadioImage& image) {
  dpmr::Outbox outbox;
  outbox.Load(image);
  out << "[Msg outbox]\n";
  for (int i = 0; i < outbox.Count(); ++i) out << "  " << Pad(std::to_string(i + 1), 5) << outbox.Text(i) << "\n";
  dpmr::Inbox inbox;
  inbox.Load(image);
  out << "[Msg inbox]\n";
  out << "  " << Pad("No.", 5) << Pad("Name", 10) << Pad("Num", 9) << Pad("Length", 8) << Pad("State", 8)
      << "Content\n";
  for (int i = 0; i < inbox.Count(); ++i) {
    const dpmr::InboxMessage& m = inbox.At(i);
    out << "  " << Pad(std::to_string(i + 1), 5) << Pad(m.name, 10) << Pad(m.number, 9) << Pad(m.length, 8)
        << Pad(m.unread ? "Unread" : "Read", 8) << m.content << "\n";
  }
}

void PrintGroupLists(std::ostream& out, const RadioImage& image) {
  out << "[Group rx list]\n";
  dpmr::GroupListEditor editor;
  for (int k = 1; k <= cps::kGroupLists; ++k) {
    editor.Load(image, k);
    out << "  " << dpmr::GroupListTitle(k) << ":";
    if (editor.allocated().empty()) out << " -";
    for (std::size_t i = 0; i < editor.allocated().size(); ++i) {
      const dpmr::GroupEntry& e = editor.allocated()[i];
      out << (i ? ", " : " ") << e.name << " (slot " << e.slot << ")";
    }
    out << "\n";
  }
}

ShowSectionRegistrar showBasic({"dpmr", "the dPMR Basic page, field by field",
                                [](std::ostream& out, const RadioImage& image) {
                                  PrintPage(out, DpmrBasicPageSchema(), image);
                                }});
ShowSectionRegistrar showContacts({"contacts", "the dPMR contacts in list order", PrintContacts});
ShowSectionRegistrar showKeys({"keys", "the encryption switch and keys", PrintKeys});
ShowSectionRegistrar showMessages({"messages", "the message outbox and inbox", PrintMessages});
ShowSectionRegistrar showGroupLists({"grouplists", "the 16 group receive lists", PrintGroupLists});

}  // namespace
}  // namespace cps::cli
