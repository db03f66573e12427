#pragma once
// What the player is told when the records cannot be read or saved, in the
// game's language: the same words wherever they are kept (records.txt, a
// browser's storage), with the place and the reason.

#include <string>

namespace tessaro {

// The records found could not be used. `setAside` is the second name they
// now have; empty when they are left alone for now, and then `nextName`
// is the kind of name they will get at the next save.
std::string RecordsUnreadableMessage(const std::string& where, const std::string& reason, const std::string& setAside,
                                     const std::string& nextName);
// A save failed: what was there stays, and the save is tried again.
std::string RecordsSaveFailedMessage(const std::string& where, const std::string& reason);

}  // namespace tessaro
