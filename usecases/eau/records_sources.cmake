list(APPEND TEVO_SOURCES
    ${TEVO_LIST_DIR}/checks.cpp
    ${TEVO_LIST_DIR}/checksCertificate.cpp
    ${TEVO_LIST_DIR}/checksCountry.cpp
    ${TEVO_LIST_DIR}/checksInstitution.cpp
    ${TEVO_LIST_DIR}/checksInsured.cpp
    ${TEVO_LIST_DIR}/checksPersons.cpp
    ${TEVO_LIST_DIR}/convert.cpp
)
