# The profile rules agree with the reference checker (../shared/tools/fhircheck)
# on the official eAU and eRezept examples: the same rule keys fail on every
# document. Skipped without node or without the checker.
add_executable(tevofhir_rule_keys ${CMAKE_CURRENT_SOURCE_DIR}/agreement/rule_keys.cpp)
target_link_libraries(tevofhir_rule_keys PRIVATE tevofhir_static)
tevo_set_warnings(tevofhir_rule_keys)

find_program(TEVO_NODE node)
find_package(Python3 COMPONENTS Interpreter)
set(_agreement_checker ${PROJECT_SOURCE_DIR}/../shared/tools/fhircheck)
if(TEVO_NODE AND Python3_Interpreter_FOUND AND EXISTS ${_agreement_checker}/fhircheck.js)
    add_test(NAME profile_rules_agree_with_fhircheck
             COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/agreement/compare_keys.py
                     --node ${TEVO_NODE} --checker ${_agreement_checker}
                     --rule-keys $<TARGET_FILE:tevofhir_rule_keys>
                     --examples ${_agreement_checker}/calibration/examples
                     --known ${CMAKE_CURRENT_SOURCE_DIR}/agreement/known_differences.txt)
    set_tests_properties(profile_rules_agree_with_fhircheck PROPERTIES SKIP_RETURN_CODE 77)
else()
    add_test(NAME profile_rules_agree_with_fhircheck
             COMMAND ${CMAKE_COMMAND} -E echo "agreement check skipped: node or the reference checker not found")
    set_tests_properties(profile_rules_agree_with_fhircheck PROPERTIES SKIP_REGULAR_EXPRESSION "skipped")
endif()
