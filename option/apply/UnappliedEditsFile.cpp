#include "UnappliedEditsFile.h"

#include <cstring>

namespace orvix {
namespace {

// A magic text and the record size: a file of another version or a truncated one is
// refused as a whole. Its content is trusted no more than the block itself is.
constexpr char kMagic[8] = {'O', 'R', 'V', 'X', 'E', 'D', 'T', '1'};
constexpr std::size_t kRecord = sizeof(SharedDataBlock);
constexpr std::size_t kSize = sizeof kMagic + 2 * kRecord;

}  // namespace

std::string EncodeUnappliedEdits(const SharedDataBlock& working, const SharedDataBlock& applied) {
  std::string content(kSize, '\0');
  std::memcpy(content.data(), kMagic, sizeof kMagic);
  std::memcpy(content.data() + sizeof kMagic, &working, kRecord);
  std::memcpy(content.data() + sizeof kMagic + kRecord, &applied, kRecord);
  return content;
}

bool DecodeUnappliedEdits(std::string_view content, SharedDataBlock& working, SharedDataBlock& applied) {
  if (content.size() != kSize || std::memcmp(content.data(), kMagic, sizeof kMagic) != 0) return false;
  std::memcpy(&working, content.data() + sizeof kMagic, kRecord);
  std::memcpy(&applied, content.data() + sizeof kMagic + kRecord, kRecord);
  return true;
}

}  // namespace orvix
