#pragma once

#include <exception>
#include <string>

namespace carvello {

// Root of the codec library's picture errors; carries a fixed message text.
class GraphicsException : public std::exception {
public:
    explicit GraphicsException(std::string message);
    const char* what() const noexcept override;
    const std::string& message() const noexcept { return message_; }

private:
    std::string message_;
};

}  // namespace carvello
