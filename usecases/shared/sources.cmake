list(APPEND TEVO_SOURCES
    ${TEVO_LIST_DIR}/Document.cpp
    ${TEVO_LIST_DIR}/Elements.cpp
    ${TEVO_LIST_DIR}/addressParts.cpp
    ${TEVO_LIST_DIR}/answerReading.cpp
    ${TEVO_LIST_DIR}/buildAddress.cpp
    ${TEVO_LIST_DIR}/buildCoverage.cpp
    ${TEVO_LIST_DIR}/buildName.cpp
    ${TEVO_LIST_DIR}/buildOrganization.cpp
    ${TEVO_LIST_DIR}/buildPatient.cpp
    ${TEVO_LIST_DIR}/buildPractitioner.cpp
    ${TEVO_LIST_DIR}/convertParty.cpp
)
