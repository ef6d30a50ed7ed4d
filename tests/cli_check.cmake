# The tool's check of documents against the published profiles' rules: the
# check subcommand, and the check of every document it builds (exit 4).
if(TARGET tevofhir)
    set(_check_examples ${PROJECT_SOURCE_DIR}/../shared/tools/fhircheck/calibration/examples/KBV_PR_EAU_Bundle)
    set(_check_expect ${CMAKE_CURRENT_SOURCE_DIR}/cli/expect.sh)
    add_test(NAME cli_create_breaking_a_rule
        COMMAND ${_check_expect} 4 "(-for-adresszeilenAufbauPatientRessource-7)"
                $<TARGET_FILE:tevofhir> eau-create ${CMAKE_CURRENT_SOURCE_DIR}/cli/eau_street_and_postbox.txt
                -o ${CMAKE_CURRENT_BINARY_DIR}/eau_street_and_postbox.xml)
    add_test(NAME cli_create_without_profile_check
        COMMAND ${_check_expect} 0 "" $<TARGET_FILE:tevofhir> eau-create --no-profile-check
                ${CMAKE_CURRENT_SOURCE_DIR}/cli/eau_street_and_postbox.txt)
    add_test(NAME cli_check_not_readable
        COMMAND ${_check_expect} 3 "expected" sh -c "printf '<Bundle>' > \"$1\" && \"$0\" check \"$1\""
                $<TARGET_FILE:tevofhir> ${CMAKE_CURRENT_BINARY_DIR}/not_closed.xml)
    add_test(NAME cli_check_missing_file
        COMMAND ${_check_expect} 2 "cannot read" $<TARGET_FILE:tevofhir> check ${CMAKE_CURRENT_BINARY_DIR}/none.xml)
    if(EXISTS ${_check_examples})
        add_test(NAME cli_check_official_examples
            COMMAND ${_check_expect} 4
                    "Beispiel_1-eAU_ERST_GKV-KZVA.xml: Die KZV-Abrechnungsnummer muss 9-stellig numerisch sein. (-for-laengeKZVA)"
                    $<TARGET_FILE:tevofhir> check ${_check_examples}/1.2/valid/EEAU0_12a8e1db-448c-5879-aecd-1f81f1b253d5.xml
                    ${_check_examples}/1.2.1/invalid/Beispiel_1-eAU_ERST_GKV-KZVA.xml)
        add_test(NAME cli_check_valid_example
            COMMAND ${_check_expect} 0 ""
                    $<TARGET_FILE:tevofhir> check ${_check_examples}/1.2/valid/EEAU0_12a8e1db-448c-5879-aecd-1f81f1b253d5.xml)
    endif()
endif()
