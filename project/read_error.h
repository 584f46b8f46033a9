#pragma once

#include <cstddef>
#include <string>

namespace project {

// Why a project file was refused.
struct ReadError {
    std::size_t line;     // 1-based; 0 for the file as a whole
    std::string message;  // Serbian: "na liniji 4 ocekivan je znak \":\""
};

}  // namespace project
