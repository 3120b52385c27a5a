#ifndef VANTREL_LAB_ATOMIC_FILE_H_
#define VANTREL_LAB_ATOMIC_FILE_H_

#include <string>
#include <string_view>

namespace vantrel {

// Writes `contents` to `path` through a temporary file beside it that is renamed over the
// target once complete, so the target is either the old file or the whole new one. Returns
// an empty text on success, else one line naming the file and the reason; nothing is left
// behind on failure.
std::string WriteFileAtomically(const std::string& path, std::string_view contents);

// Tells, without touching the target, whether WriteFileAtomically could write `path`: a
// temporary file can be made beside it and the target is not a folder. Empty when it can.
std::string CheckWritable(const std::string& path);

}  // namespace vantrel

#endif  // VANTREL_LAB_ATOMIC_FILE_H_
