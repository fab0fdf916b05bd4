#pragma once
// A record rewritten for the player: the hourglass while the data folder may be locked,
// and a failure that says what was not recorded, in which file, and why.
#include <cstdint>
#include <new>
#include <string>

#include "core/platform.h"

namespace quarvel {

// `notRecorded` is the sentence that opens the failure, e.g. "Your entry was not recorded".
inline void RewriteRecord(Services& services, const char* name, const char* scratch, std::uint64_t limit,
                          const std::string& notRecorded, const FileStore::Change& change) {
  const std::string opening = notRecorded + " in " + name + ". ";
  try {
    HourglassWhile waiting(services.windows);  // the folder may be locked for a moment
    services.files.Rewrite(name, scratch, limit, change);
  } catch (const FileFailure& failure) {
    throw FileFailure(opening + failure.what());
  } catch (const std::bad_alloc&) {
    throw FileFailure(opening + "There is not enough memory.");
  }
}

}  // namespace quarvel
