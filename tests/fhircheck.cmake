# Conformance of the eAU documents: a small program writes the documents of
# the sample records into the build folder, the profile checker of the shared
# tools checks them all in one run. Skipped only when node or the shared
# folder is missing.
add_executable(write_eau_documents ${CMAKE_CURRENT_SOURCE_DIR}/conformance/writeEauDocuments.cpp)
target_link_libraries(write_eau_documents PRIVATE tevofhir_static)
target_include_directories(write_eau_documents PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
tevo_set_warnings(write_eau_documents)

find_program(TEVO_NODE node)
add_test(NAME eau_fhircheck
    COMMAND ${CMAKE_COMMAND}
        -DWRITER=$<TARGET_FILE:write_eau_documents>
        -DOUTPUT_DIR=${CMAKE_CURRENT_BINARY_DIR}/eau-conformance
        -DSHARED_DIR=${PROJECT_SOURCE_DIR}/../shared
        -DNODE=${TEVO_NODE}
        -P ${CMAKE_CURRENT_SOURCE_DIR}/conformance/runFhircheck.cmake)
set_tests_properties(eau_fhircheck PROPERTIES SKIP_REGULAR_EXPRESSION "SKIPPED:" TIMEOUT 300)

# The same documents against the FHIR R4 XML schema (structure, element order,
# primitive formats).
find_program(TEVO_XMLLINT xmllint)
add_test(NAME eau_schema
    COMMAND ${CMAKE_COMMAND}
        -DWRITER=$<TARGET_FILE:write_eau_documents>
        -DOUTPUT_DIR=${CMAKE_CURRENT_BINARY_DIR}/eau-schema
        -DSCHEMA=${PROJECT_SOURCE_DIR}/../shared/fhir-xsd/r4/fhir-single.xsd
        -DXMLLINT=${TEVO_XMLLINT}
        -P ${CMAKE_CURRENT_SOURCE_DIR}/conformance/runSchemaCheck.cmake)
set_tests_properties(eau_schema PROPERTIES SKIP_REGULAR_EXPRESSION "SKIPPED:" TIMEOUT 300)
