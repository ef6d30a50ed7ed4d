# Conformance of the EEB requests: the sample requests are written into the
# build folder and checked by the profile checker of the shared tools.
add_executable(write_eeb_documents ${CMAKE_CURRENT_SOURCE_DIR}/conformance/writeEebDocuments.cpp)
target_link_libraries(write_eeb_documents PRIVATE tevofhir_static)
target_include_directories(write_eeb_documents PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
tevo_set_warnings(write_eeb_documents)

find_program(TEVO_NODE node)
add_test(NAME eeb_fhircheck
    COMMAND ${CMAKE_COMMAND}
        -DWRITER=$<TARGET_FILE:write_eeb_documents>
        -DOUTPUT_DIR=${CMAKE_CURRENT_BINARY_DIR}/eeb-conformance
        -DSHARED_DIR=${PROJECT_SOURCE_DIR}/../shared
        -DNODE=${TEVO_NODE}
        -DLABEL=EEB
        -P ${CMAKE_CURRENT_SOURCE_DIR}/conformance/runFhircheck.cmake)
set_tests_properties(eeb_fhircheck PROPERTIES SKIP_REGULAR_EXPRESSION "SKIPPED:" TIMEOUT 300)

# The same requests against the FHIR R4 XML schema.
find_program(TEVO_XMLLINT xmllint)
add_test(NAME eeb_schema
    COMMAND ${CMAKE_COMMAND}
        -DWRITER=$<TARGET_FILE:write_eeb_documents>
        -DOUTPUT_DIR=${CMAKE_CURRENT_BINARY_DIR}/eeb-schema
        -DSCHEMA=${PROJECT_SOURCE_DIR}/../shared/fhir-xsd/r4/fhir-single.xsd
        -DXMLLINT=${TEVO_XMLLINT}
        -DLABEL=EEB
        -P ${CMAKE_CURRENT_SOURCE_DIR}/conformance/runSchemaCheck.cmake)
set_tests_properties(eeb_schema PROPERTIES SKIP_REGULAR_EXPRESSION "SKIPPED:" TIMEOUT 300)

# The certificates and error answers the reader tests use are taken from the
# package's examples and conform to its profiles (certificate_noegk.xml keeps
# the package example's own rule violation; certificate_full.xml is made up to
# fill every slot of the record).
add_test(NAME eeb_reader_fixtures_conform
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/cli/conform.sh "${TEVO_NODE}" ${PROJECT_SOURCE_DIR}/../shared
            ${CMAKE_CURRENT_SOURCE_DIR}/fixtures/eeb/certificate_egk.xml
            ${CMAKE_CURRENT_SOURCE_DIR}/fixtures/eeb/certificate_kvk.xml
            ${CMAKE_CURRENT_SOURCE_DIR}/fixtures/eeb/answer_bundle.xml
            ${CMAKE_CURRENT_SOURCE_DIR}/fixtures/eeb/answer_message.xml)
set_tests_properties(eeb_reader_fixtures_conform PROPERTIES SKIP_REGULAR_EXPRESSION "SKIPPED:" TIMEOUT 300)
