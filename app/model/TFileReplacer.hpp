#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The one way the program writes a file for the user (data files, pictures,
// workbooks, text): the bytes go to a fresh temporary file beside the target,
// are flushed to disk and renamed over the target. So a failed write or a
// crash leaves the old file or the new one, never a cut one; a symlink at the
// target is replaced, never followed; and two writers of one file each leave
// a whole file.
//
// The temporary file is created exclusively under an unpredictable name,
// ".<name>.orvane-tmp.<pid>.<random>", so a file or link planted beside the
// target is never opened. A write removes the temporary files of its target
// that a process no longer alive left (after a crash or a kill).
//
// A replaced regular file keeps its permission bits; a new file gets 0666
// less the umask. A target that is neither a regular file nor a symlink (a
// folder, a FIFO, a device) is refused.
class TFileReplacer {
public:
    static constexpr std::string_view kMarker = ".orvane-tmp.";

    // Throws EWriteError "Cannot write <what> "<path>": <reason>", the reason
    // being the system's; the old file stays as it was and no temporary file
    // is left.
    static void replace(const std::filesystem::path& path, std::string_view bytes, std::string_view what = "file");
    // The same, handing back the failure's message instead of throwing it.
    static std::optional<std::string> tryReplace(const std::filesystem::path& path, std::string_view bytes,
                                                 std::string_view what = "file");
};

}  // namespace orvane
