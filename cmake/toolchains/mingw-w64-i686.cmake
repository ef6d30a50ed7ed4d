# TevoFhir.dll for 32-bit Windows (for hosts that are 32-bit programs):
#   cmake -S . -B build-windows-i686 --toolchain cmake/toolchains/mingw-w64-i686.cmake
# (Debian package g++-mingw-w64-i686-posix; running its tests needs wine32:i386.)
set(TEVO_MINGW_TRIPLET i686-w64-mingw32)
set(TEVO_MINGW_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
