# The Windows build writes the same bytes as the Linux build: every command
# of the tool on every example, ids and clock pinned, once with the Linux
# program of TEVO_LINUX_BUILD_DIR and once with the Windows program under
# wine. The Windows program is linked from the very objects of TevoFhir.dll
# (the DLL hides the hooks that pin ids and clock).
include(${CMAKE_CURRENT_SOURCE_DIR}/crossplatform/writer.cmake)
set(TEVO_LINUX_BUILD_DIR ${PROJECT_SOURCE_DIR}/build CACHE PATH
    "Linux build folder whose write_example_outputs the Windows build is compared with")
string(REPLACE ";" "|" tevo_emulator "${CMAKE_CROSSCOMPILING_EMULATOR}")
add_test(NAME windows_documents_identical_to_linux
    COMMAND ${CMAKE_COMMAND}
        "-DEMULATOR=${tevo_emulator}"
        -DWINDOWS_WRITER=$<TARGET_FILE:write_example_outputs>
        -DLINUX_WRITER=${TEVO_LINUX_BUILD_DIR}/tests/write_example_outputs
        -DEXAMPLES=${PROJECT_SOURCE_DIR}/examples
        -DOUTPUT_DIR=${CMAKE_CURRENT_BINARY_DIR}/example-outputs
        -P ${CMAKE_CURRENT_SOURCE_DIR}/crossplatform/compareExampleOutputs.cmake)
