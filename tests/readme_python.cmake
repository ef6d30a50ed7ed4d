# The Python example of README (ctypes on the flat-text exports) against the
# shared library. Not in the sanitizer build: Python would have to preload
# the sanitizer run-time.
find_package(Python3 COMPONENTS Interpreter QUIET)
if(Python3_FOUND AND NOT ENABLE_SANITIZERS)
    add_test(NAME readme_python_example
        COMMAND ${CMAKE_COMMAND} -DPYTHON=${Python3_EXECUTABLE} -DLIBRARY=$<TARGET_FILE:TevoFhir>
                -DREADME=${PROJECT_SOURCE_DIR}/README.md -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}
                -P ${CMAKE_CURRENT_SOURCE_DIR}/host/runReadmePython.cmake)
endif()
