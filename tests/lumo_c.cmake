# The flat-text header compiled as C, and a C program calling the shared
# library through it.
enable_language(C)
add_executable(tevofhir_lumo_c ${CMAKE_CURRENT_SOURCE_DIR}/c/lumo_from_c.c)
set_target_properties(tevofhir_lumo_c PROPERTIES C_STANDARD 99 C_STANDARD_REQUIRED ON C_EXTENSIONS OFF)
target_include_directories(tevofhir_lumo_c PRIVATE ${PROJECT_SOURCE_DIR}/include)
target_compile_options(tevofhir_lumo_c PRIVATE -Wall -Wextra -Wpedantic -Werror)
target_link_libraries(tevofhir_lumo_c PRIVATE TevoFhir)
add_test(NAME LumoHeaderFromC COMMAND tevofhir_lumo_c)
