# The profile rule generator reproduces the committed tables (exit 77, skipped,
# when the FHIR packages beside the repository are missing).
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
    add_test(NAME rulegen_reproducible
             COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/rulegen/rulegen.py --check
                     --packages ${PROJECT_SOURCE_DIR}/../shared/fhir-packages)
    set_tests_properties(rulegen_reproducible PROPERTIES SKIP_RETURN_CODE 77)
endif()
