#include "support/fault.h"

#include "core/platform/line_file.h"

namespace bm::test {
namespace fs = std::filesystem;

std::vector<fs::path> strayTemporaryFiles(const fs::path& root) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        if (platform::isTemporaryFileName(it->path().filename().string())) {
            found.push_back(it->path());
        }
    }
    return found;
}

} // namespace bm::test
