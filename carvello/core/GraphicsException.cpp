#include "carvello/core/GraphicsException.h"

#include <utility>

namespace carvello {

GraphicsException::GraphicsException(std::string message) : message_(std::move(message)) {}

const char* GraphicsException::what() const noexcept {
    return message_.c_str();
}

}  // namespace carvello
