#pragma once

#include <csignal>
#include <sys/resource.h>

namespace mobwright::test {

// Where no file system can be made full, a file may grow no further than
// bytes while this is held: a write past that fails as on a full disk
// (EFBIG), and programs started meanwhile inherit the limit.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(bool on, rlim_t bytes = 4096)
    {
        ::getrlimit(RLIMIT_FSIZE, &before_);
        if (!on)
            return;
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = before_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &before_); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit before_{};
};

} // namespace mobwright::test
