# The flat-text header compiled as C, and a C program calling the shared
# library through it.
enable_language(C)
add_executable(tevofhir_lumo_c ${CMAKE_CURRENT_SOURCE_DIR}/c/lumo_from_c.c)
set_target_properties(tevofhir_lumo_c PROPERTIES C_STANDARD 99 C_STANDARD_REQUIRED ON C_EXTENSIONS OFF)
target_include_directories(tevofhir_lumo_c PRIVATE ${PROJECT_SOURCE_DIR}/include)
target_compile_options(tevofhir_lumo_c PRIVATE -Wall -Wextra -Wpedantic -Werror)
target_link_libraries(tevofhir_lumo_c PRIVATE TevoFhir)
if(ENABLE_SANITIZERS OR TEVO_BUILD_FUZZERS)
    # Linked by the C++ driver: a library built with clang's UBSan needs the
    # C++ part of its run time, which the C driver leaves out.
    set_target_properties(tevofhir_lumo_c PROPERTIES LINKER_LANGUAGE CXX)
endif()
add_test(NAME LumoHeaderFromC COMMAND tevofhir_lumo_c)
