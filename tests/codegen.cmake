# Generator reproducibility: regenerate into a temporary folder and compare
# with the committed output. Skipped (exit 77) when the FHIR packages beside
# the repository are missing.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
    add_test(NAME codegen_code_tables
             COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/codegen/gen_code_tables.py --check
                     --packages ${PROJECT_SOURCE_DIR}/../shared/fhir-packages)
    set_tests_properties(codegen_code_tables PROPERTIES SKIP_RETURN_CODE 77)
else()
    message(STATUS "Python 3 not found: the code-table generator check is not run")
endif()

# A code system dropped into the package folder replaces the placeholders of
# its codes (a small fake additional-qualification list, see tests/codegen/).
if(Python3_Interpreter_FOUND)
    add_test(NAME codegen_takes_published_code_system
             COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/codegen/published_code_system_test.py
                     ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/../shared/fhir-packages)
    set_tests_properties(codegen_takes_published_code_system PROPERTIES SKIP_RETURN_CODE 77)
endif()
