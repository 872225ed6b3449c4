# CMake toolchain file: 64-bit Windows programs built on Debian 12 with its mingw-w64 toolchain
# (packages g++-mingw-w64-x86-64-posix and mingw-w64-tools).
#
# The posix thread model is used (x86_64-w64-mingw32-g++-posix): Qt needs std::thread and
# std::mutex, which the win32 thread model of Debian's mingw-w64 does not give.
#
# scripts/build-qt-windows.sh builds Qt for Windows with this file (and keeps a copy of it in the
# Qt it installs). The program is configured with Qt's own toolchain file, which adds Qt's folders
# and the host tools (moc, uic, rcc of Debian's qt6-base-dev-tools) and loads this one in turn:
#   cmake -S . -B build-windows-x64 -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=<qt>/lib/cmake/Qt6/qt.toolchain.cmake \
#     -DQT_CHAINLOAD_TOOLCHAIN_FILE=<this file>
# (scripts/build-windows.sh does it).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(EQSL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${EQSL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${EQSL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${EQSL_MINGW_TRIPLET}-windres)

# Libraries and headers come from the Windows root only; programs (moc, ninja...) from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${EQSL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
