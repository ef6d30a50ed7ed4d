# The command-line tool on the VoS examples (after cli.cmake, whose variables
# it uses).
if(TARGET tevofhir)
    foreach(example vos_full vos_minimal)
        add_test(NAME cli_${example}
            COMMAND ${TEVO_EXPECT} 0 "" ${TEVO_CLI} vos-create ${TEVO_EXAMPLES}/${example}.txt
                    -o ${TEVO_CLI_OUT}/${example}.xml)
        set_tests_properties(cli_${example} PROPERTIES FIXTURES_SETUP tevo_cli_vos_documents)
    endforeach()
    add_test(NAME cli_vos_document_file_is_embedded
        COMMAND ${TEVO_EXPECT} 0 "<data value=\"PE1QIHY9IjAyNiIgVT0i"
                ${TEVO_CLI} vos-create ${TEVO_EXAMPLES}/vos_full.txt)
    add_test(NAME cli_vos_missing_document_file
        COMMAND ${TEVO_EXPECT} 2 "cannot read"
                sh -c "printf 'dokument.1.datei = /nonexistent/plan.pdf\\n' | \"$0\" vos-create" ${TEVO_CLI})
    add_test(NAME cli_vos_help_lists_the_keys
        COMMAND ${TEVO_EXPECT} 0 "medikament.N.verordnung.btmkennzeichen" ${TEVO_CLI} vos-create --help)
    add_test(NAME cli_vos_read_answer
        COMMAND ${TEVO_EXPECT} 0 "fehlertext = Die Medikation enthält eine ungültige PZN."
                ${TEVO_CLI} vos-read-answer ${TEVO_EXAMPLES}/vos_answer.xml)
    add_test(NAME cli_vos_read_answer_bundle
        COMMAND ${TEVO_EXPECT} 0 "bundle-identifier = 5af39963-9272-4e2f-9dca-b917ba485ca1"
                ${TEVO_CLI} vos-read-answer ${TEVO_EXAMPLES}/vos_answer.xml)
    add_test(NAME cli_vos_read_answer_not_xml
        COMMAND ${TEVO_EXPECT} 0 "fehler = 0" ${TEVO_CLI} vos-read-answer ${TEVO_EXAMPLES}/vos_minimal.txt)

    # Only part of the VoS profiles is published: see conformance/fhircheckUnpublished.js.
    find_program(TEVO_CLI_NODE node)
    if(TEVO_CLI_NODE AND EXISTS ${PROJECT_SOURCE_DIR}/../shared/tools/fhircheck/fhircheck.js)
        add_test(NAME cli_vos_examples_conform
            COMMAND ${TEVO_CLI_NODE} ${CMAKE_CURRENT_SOURCE_DIR}/conformance/fhircheckUnpublished.js
                    ${PROJECT_SOURCE_DIR}/../shared/tools/fhircheck/fhircheck.js
                    ${TEVO_CLI_OUT}/vos_full.xml ${TEVO_CLI_OUT}/vos_minimal.xml)
        set_tests_properties(cli_vos_examples_conform PROPERTIES FIXTURES_REQUIRED tevo_cli_vos_documents
                             TIMEOUT 300)
    endif()
endif()
