# The command-line tool on the bundled examples: exit statuses, messages,
# and the written documents checked against the profiles.
if(TARGET tevofhir)
    set(TEVO_CLI $<TARGET_FILE:tevofhir>)
    set(TEVO_EXPECT ${CMAKE_CURRENT_SOURCE_DIR}/cli/expect.sh)
    set(TEVO_EXAMPLES ${PROJECT_SOURCE_DIR}/examples)
    set(TEVO_CLI_OUT ${CMAKE_CURRENT_BINARY_DIR}/cli-examples)
    file(MAKE_DIRECTORY ${TEVO_CLI_OUT})

    set(TEVO_CLI_DOCUMENTS)
    foreach(example eau_gkv_1_1_0 eau_gkv_1_2_0 eau_pkv_postbox_1_2_0)
        add_test(NAME cli_create_${example}
            COMMAND ${TEVO_EXPECT} 0 "" ${TEVO_CLI} eau-create ${TEVO_EXAMPLES}/${example}.txt
                    -o ${TEVO_CLI_OUT}/${example}.xml)
        set_tests_properties(cli_create_${example} PROPERTIES FIXTURES_SETUP tevo_cli_documents)
        list(APPEND TEVO_CLI_DOCUMENTS ${TEVO_CLI_OUT}/${example}.xml)
    endforeach()
    add_test(NAME cli_cancel_raw
        COMMAND ${TEVO_EXPECT} 0 "" ${TEVO_CLI} eau-cancel --raw ${TEVO_EXAMPLES}/eau_cancel.flat
                -o ${TEVO_CLI_OUT}/eau_cancel.xml)
    set_tests_properties(cli_cancel_raw PROPERTIES FIXTURES_SETUP tevo_cli_documents)
    list(APPEND TEVO_CLI_DOCUMENTS ${TEVO_CLI_OUT}/eau_cancel.xml)

    add_test(NAME cli_cancel_readable
        COMMAND ${TEVO_EXPECT} 0 "KBV_PR_EAU_Storno_Bundle|1.2" ${TEVO_CLI} eau-cancel ${TEVO_EXAMPLES}/eau_cancel.txt)
    add_test(NAME cli_create_faults
        COMMAND ${TEVO_EXPECT} 1 "Für Diagnose #2 ist keine Version vorhanden."
                ${TEVO_CLI} eau-create ${TEVO_EXAMPLES}/eau_with_faults.txt)
    add_test(NAME cli_create_country_message_in_utf8
        COMMAND ${TEVO_EXPECT} 1 "Der Wohnsitzländercode der Versichertenanschrift \"XX\" entspricht"
                ${TEVO_CLI} eau-create ${TEVO_EXAMPLES}/eau_with_faults.txt)
    add_test(NAME cli_read_answer
        COMMAND ${TEVO_EXPECT} 0 "operationoutcome.fehlertext = Die Versichertennummer ist der Krankenkasse nicht bekannt. Bitte prüfen"
                ${TEVO_CLI} eau-read-answer ${TEVO_EXAMPLES}/eau_answer.xml)
    add_test(NAME cli_read_answer_not_xml
        COMMAND ${TEVO_EXPECT} 3 "" ${TEVO_CLI} eau-read-answer ${TEVO_EXAMPLES}/eau_cancel.txt)
    # Answers nested far beyond what the reader accepts.
    string(REPEAT "<a>" 100000 tevo_deep_open)
    string(REPEAT "</a>" 100000 tevo_deep_close)
    file(WRITE ${TEVO_CLI_OUT}/answer_nested_100000.xml "<OperationOutcome>${tevo_deep_open}${tevo_deep_close}</OperationOutcome>")
    string(REPEAT "<a>" 1000000 tevo_deep_open)
    file(WRITE ${TEVO_CLI_OUT}/answer_unclosed_1000000.xml "<OperationOutcome>${tevo_deep_open}")
    unset(tevo_deep_open)
    unset(tevo_deep_close)
    foreach(deep answer_nested_100000 answer_unclosed_1000000)
        add_test(NAME cli_read_${deep}
            COMMAND ${TEVO_EXPECT} 3 "elements nested deeper than 512 levels"
                    ${TEVO_CLI} eau-read-answer ${TEVO_CLI_OUT}/${deep}.xml)
    endforeach()
    add_test(NAME cli_date_before_first_version
        COMMAND ${TEVO_EXPECT} 3 "before 20230701"
                sh -c "printf 'angaben.ausstellungsdatum = 20230630\\n' | \"$0\" eau-create" ${TEVO_CLI})
    add_test(NAME cli_line_without_equals
        COMMAND ${TEVO_EXPECT} 2 "line 2: expected key = value"
                sh -c "printf '# c\\nkein gleich\\n' | \"$0\" eau-create -" ${TEVO_CLI})
    add_test(NAME cli_input_is_a_directory
        COMMAND ${TEVO_EXPECT} 2 "cannot read" ${TEVO_CLI} eau-create ${TEVO_EXAMPLES})
    add_test(NAME cli_answer_is_a_directory
        COMMAND ${TEVO_EXPECT} 2 "cannot read" ${TEVO_CLI} eau-read-answer ${TEVO_EXAMPLES})
    add_test(NAME cli_unknown_option
        COMMAND ${TEVO_EXPECT} 2 "unknown option --bogus" ${TEVO_CLI} eau-create --bogus)
    add_test(NAME cli_unknown_command
        COMMAND ${TEVO_EXPECT} 2 "unknown command" ${TEVO_CLI} eau-build)
    add_test(NAME cli_help_per_command
        COMMAND ${TEVO_EXPECT} 0 "Usage: tevofhir eau-read-answer" ${TEVO_CLI} eau-read-answer --help)

    add_test(NAME cli_utf8_byte_order_mark_and_crlf
        COMMAND ${TEVO_EXPECT} 1 "Der Kostentr"
                sh -c "printf '\\357\\273\\277angaben.ausstellungsdatum = 20251015\\r\\n' | \"$0\" eau-create" ${TEVO_CLI})

    find_program(TEVO_CLI_NODE node)
    add_test(NAME cli_examples_conform
        COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/cli/conform.sh "${TEVO_CLI_NODE}" ${PROJECT_SOURCE_DIR}/../shared
                ${TEVO_CLI_DOCUMENTS})
    set_tests_properties(cli_examples_conform PROPERTIES FIXTURES_REQUIRED tevo_cli_documents
                         SKIP_REGULAR_EXPRESSION "SKIPPED:" TIMEOUT 300)
endif()
