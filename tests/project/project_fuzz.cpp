// libFuzzer target: any bytes either read whole, as a project that writes and reads back to the
// same bytes, or fail with a message that names the line it gives.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "project/project.h"

namespace {

void require(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = project::readProject(bytes);
    if (!read) {
        const auto& error = read.error();
        std::size_t lines = 1;
        for (char c : bytes) lines += c == '\n';
        require(error.line <= lines && !error.message.empty());
        require(error.line == 0 || error.message.starts_with("na liniji " + std::to_string(error.line) + " "));
        return 0;
    }
    const std::string written = project::writeProject(*read);
    const auto again = project::readProject(written);
    require(again.has_value() && project::writeProject(*again) == written);
    return 0;
}
