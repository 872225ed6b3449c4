#pragma once

#include <functional>
#include <sys/types.h>

// The system calls of system_files_posix.cpp, made through this table so that a test can put a
// failing device in their place (a call that fails with EIO, writes part of its bytes, is
// interrupted...): the program's handling of each call's result is then what runs, as on a
// failing disk. Each call is the system's unless a test replaced it.
namespace SystemFiles
{

struct PosixCalls {
    std::function<int(char* name, int suffixLength, int flags)> mkostemps;
    std::function<int(int fd, mode_t mode)> fchmod;
    std::function<ssize_t(int fd, const void* data, size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(int fd)> close;
    std::function<int(const char* from, const char* to)> rename;
    std::function<int(const char* name)> unlink;
    std::function<int(const char* folder)> openFolder;
    std::function<int(int fd)> syncfs;
};

// The system's own calls.
PosixCalls systemCalls();

// The calls in use, systemCalls() at the start; a test replaces some, and puts back systemCalls().
PosixCalls& posixCalls();

} // namespace SystemFiles
