#pragma once

#include <stdexcept>

namespace mobwright {

// A failure to open, read or write the image; the message is meant for the user.
class RomError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace mobwright
