#pragma once

#include <cstddef>
#include <stdexcept>

namespace mobwright {

// A failure to open, read or write the image; the message is meant for the user.
class RomError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A write that failed after writing some of its bytes, or none.
class RomWriteError : public RomError
{
public:
    RomWriteError(const std::string &message, std::size_t written)
        : RomError(message)
        , written_(written)
    {
    }
    std::size_t written() const { return written_; }

private:
    std::size_t written_;
};

} // namespace mobwright
