# The command-line tool on the bonus-booklet examples (variables from
# cli.cmake): exit statuses, messages, extraction of the written documents,
# and the documents and the received example checked with the profile checker.
if(TARGET tevofhir)
    set(TEVO_ZAEB_DOCUMENTS)
    foreach(example zaeb_both zaeb_gapless_only zaeb_checkup_only)
        add_test(NAME cli_create_${example}
            COMMAND ${TEVO_EXPECT} 0 "" ${TEVO_CLI} zaeb-create ${TEVO_EXAMPLES}/${example}.txt
                    -o ${TEVO_CLI_OUT}/${example}.xml)
        set_tests_properties(cli_create_${example} PROPERTIES FIXTURES_SETUP tevo_cli_zaeb_documents)
        list(APPEND TEVO_ZAEB_DOCUMENTS ${TEVO_CLI_OUT}/${example}.xml)
    endforeach()
    add_test(NAME cli_zaeb_extract_created
        COMMAND ${TEVO_EXPECT} 0 "pat.adr.street = Am Alten Markt"
                ${TEVO_CLI} zaeb-extract ${TEVO_CLI_OUT}/zaeb_checkup_only.xml)
    set_tests_properties(cli_zaeb_extract_created PROPERTIES FIXTURES_REQUIRED tevo_cli_zaeb_documents)
    add_test(NAME cli_zaeb_create_faults
        COMMAND ${TEVO_EXPECT} 1
                "Die Postleitzahl der Versichertenanschrift ist nicht vorhanden.\nDie KZV-Nummer ist ungültig."
                ${TEVO_CLI} zaeb-create ${TEVO_EXAMPLES}/zaeb_with_faults.txt)
    add_test(NAME cli_zaeb_extract_received
        COMMAND ${TEVO_EXPECT} 0 "org.name = Praxis Dr. Grün & Partner"
                ${TEVO_CLI} zaeb-extract ${TEVO_EXAMPLES}/zaeb_received.xml)
    add_test(NAME cli_zaeb_extract_not_a_bundle
        COMMAND ${TEVO_EXPECT} 3 "No FHIR Bundle detected." ${TEVO_CLI} zaeb-extract ${TEVO_EXAMPLES}/eau_answer.xml)
    add_test(NAME cli_zaeb_create_raw_from_stdin
        COMMAND ${TEVO_EXPECT} 1 "Die Versichertennummer ist nicht vorhanden."
                sh -c "printf 'pat.firstname\\002Erika\\001' | \"$0\" zaeb-create --raw" ${TEVO_CLI})
    add_test(NAME cli_zaeb_examples_conform
        COMMAND ${CMAKE_COMMAND} -DSHARED_DIR=${PROJECT_SOURCE_DIR}/../shared -DNODE=${TEVO_CLI_NODE}
                "-DEXTRA=${TEVO_ZAEB_DOCUMENTS};${TEVO_EXAMPLES}/zaeb_received.xml"
                -P ${CMAKE_CURRENT_SOURCE_DIR}/conformance/runZaebFhircheck.cmake)
    set_tests_properties(cli_zaeb_examples_conform PROPERTIES FIXTURES_REQUIRED tevo_cli_zaeb_documents
                         SKIP_REGULAR_EXPRESSION "SKIPPED:" TIMEOUT 300)
endif()
