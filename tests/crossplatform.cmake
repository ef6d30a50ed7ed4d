# The Linux side of the comparison with the Windows build (tests/windows/):
# a Windows build runs this program from the Linux build folder.
include(${CMAKE_CURRENT_SOURCE_DIR}/crossplatform/writer.cmake)
