list(APPEND TEVO_SOURCES
    ${TEVO_LIST_DIR}/buildComposition.cpp
    ${TEVO_LIST_DIR}/buildERezeptBundle.cpp
    ${TEVO_LIST_DIR}/buildMedications.cpp
    ${TEVO_LIST_DIR}/buildPrescription.cpp
    ${TEVO_LIST_DIR}/checks.cpp
    ${TEVO_LIST_DIR}/checksCompounding.cpp
    ${TEVO_LIST_DIR}/checksCountry.cpp
    ${TEVO_LIST_DIR}/checksInstitution.cpp
    ${TEVO_LIST_DIR}/checksMedication.cpp
    ${TEVO_LIST_DIR}/checksPatient.cpp
    ${TEVO_LIST_DIR}/checksPayer.cpp
    ${TEVO_LIST_DIR}/checksPersons.cpp
    ${TEVO_LIST_DIR}/checksPrescription.cpp
    ${TEVO_LIST_DIR}/ERezeptWrapper.cpp
    ${TEVO_LIST_DIR}/convert.cpp
    ${TEVO_LIST_DIR}/exports.cpp
)
