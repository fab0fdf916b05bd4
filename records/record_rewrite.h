#pragma once
// A record rewritten for the player: the hourglass while the data folder may be locked,
// and a failure that says what was not recorded, in which file, and why.
#include <cstdint>
#include <new>
#include <string>

#include "core/platform.h"

namespace quarvel {

// `lost` names the record that a failure leaves unchanged.
inline void RewriteRecord(Services& services, const char* name, const char* scratch, std::uint64_t limit,
                          LostRecord lost, const FileStore::Change& change) {
  try {
    HourglassWhile waiting(services.windows);  // the folder may be locked for a moment
    services.files.Rewrite(name, scratch, limit, change);
  } catch (FileFailure& failure) {
    failure.lost = lost;
    failure.lostIn = name;
    throw;
  } catch (const std::bad_alloc&) {
    FileFailure failure(FileAction::Rewrite, "", FileProblem::NotEnoughMemory);
    failure.lost = lost;
    failure.lostIn = name;
    throw failure;
  }
}

}  // namespace quarvel
