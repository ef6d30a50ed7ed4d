# Runs as `cmake -P`: writes the bonus-booklet samples and checks them with
# fhircheck. The MIO ZAEB profiles are not among the available packages: the
# bundles are checked against FHIR R4 (unknown profiles allowed), the patient
# and the practice on their own also against the KBV base profiles 1.1.3
# they derive from. Errors accepted: those for the extensions of the
# unavailable package, whose definitions the checker lacks, and the IK
# number's system, which the bonus-booklet profile names differently from the
# KBV base profile (see the decisions in README.md).
# Inputs: SHARED_DIR, NODE, and WRITER with OUTPUT_DIR (the samples) and/or
# EXTRA (more bundles, a list).
set(checker ${SHARED_DIR}/tools/fhircheck/fhircheck.js)
if(NOT NODE OR NOT EXISTS ${checker})
    message("SKIPPED: node or ${checker} is missing; the bonus-booklet documents are not checked.")
    return()
endif()

set(runs "bundles")
if(WRITER)
    include(${CMAKE_CURRENT_LIST_DIR}/writeSamples.cmake)
    file(GLOB bundles ${OUTPUT_DIR}/zaeb_*.xml)
    file(GLOB patients ${OUTPUT_DIR}/patient_*.xml)
    file(GLOB organizations ${OUTPUT_DIR}/organization_*.xml)
    list(APPEND runs "patients" "organizations")
endif()

set(kbv "https://fhir.kbv.de/StructureDefinition")
set(ik_system "http://fhir.de/NamingSystem/arge-ik/iknr")
set(bundles_files ${bundles} ${EXTRA})
set(bundles_profile "")
set(patients_files ${patients})
set(patients_profile --profile "${kbv}/KBV_PR_Base_Patient|1.1.3")
set(organizations_files ${organizations})
set(organizations_profile --profile "${kbv}/KBV_PR_Base_Organization|1.1.3")

set(unexpected "")
foreach(run IN LISTS runs)
    list(LENGTH ${run}_files count)
    if(count EQUAL 0)
        message(FATAL_ERROR "no ${run} were written to ${OUTPUT_DIR}")
    endif()
    execute_process(COMMAND ${NODE} ${checker} --quiet --allow-unknown-profiles ${${run}_profile} ${${run}_files}
                    OUTPUT_VARIABLE report ERROR_VARIABLE report)
    string(REPLACE "\n" ";" lines "${report}")
    foreach(line IN LISTS lines)
        if(line MATCHES "^error" AND NOT line MATCHES "Unknown extension '${kbv}/KBV_EX_MIO_ZAEB_"
           AND NOT line MATCHES "namingsystem-de-basis does not match the fixed value ${ik_system}")
            string(APPEND unexpected "${line}\n")
        endif()
    endforeach()
    message("fhircheck: ${count} ${run} checked")
endforeach()
if(NOT unexpected STREQUAL "")
    message(FATAL_ERROR "fhircheck reported errors in the bonus-booklet documents:\n${unexpected}")
endif()
