#include "DeviceJobs.h"

#include "Messages.h"

namespace orvix {

DeviceJobRunner::DeviceJobRunner(DeviceSequences& sequences, DeviceFlags& flags, DeviceJobHost& host,
                                 std::string lightDatabasePath)
    : sequences_(sequences), flags_(flags), host_(host), lightDatabasePath_(std::move(lightDatabasePath)) {}

bool DeviceJobRunner::Run(unsigned job, std::intptr_t lParam) {
  if (flags_.deviceState != 1) return false;
  if (job != kJobReadEverything && job != kJobCurrentProfile && job != kJobUploadLightDatabase &&
      job != kJobUploadMacro)
    return false;
  flags_.abort = false;
  flags_.busy = true;
  switch (job) {
    case kJobReadEverything:
      sequences_.FullRead();
      sequences_.SendHostMode(1);  // whatever the read gave
      host_.SendDpiTable();
      break;
    case kJobCurrentProfile: sequences_.SendCurrentProfile(); break;
    case kJobUploadLightDatabase: sequences_.UploadLightDatabase(lightDatabasePath_); break;
    case kJobUploadMacro: sequences_.UploadMacro(lParam); break;
  }
  flags_.busy = false;
  return true;
}

}  // namespace orvix
