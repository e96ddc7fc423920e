#include "app/error_text.h"

namespace difonik {

std::string errorDisplayText(std::string message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
    return message;
}

}  // namespace difonik
