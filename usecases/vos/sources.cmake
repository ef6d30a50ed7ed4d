list(APPEND TEVO_SOURCES
    ${TEVO_LIST_DIR}/buildCareTeam.cpp
    ${TEVO_LIST_DIR}/buildClinical.cpp
    ${TEVO_LIST_DIR}/buildComposition.cpp
    ${TEVO_LIST_DIR}/buildCoverage.cpp
    ${TEVO_LIST_DIR}/buildDocumentReference.cpp
    ${TEVO_LIST_DIR}/buildMedication.cpp
    ${TEVO_LIST_DIR}/buildPatient.cpp
    ${TEVO_LIST_DIR}/buildPrescription.cpp
    ${TEVO_LIST_DIR}/buildVosBundle.cpp
    ${TEVO_LIST_DIR}/exports.cpp
    ${TEVO_LIST_DIR}/vos2_1_0_Wrapper.cpp
    ${TEVO_LIST_DIR}/vosElements.cpp
    ${TEVO_LIST_DIR}/vosNames.cpp
    ${TEVO_LIST_DIR}/vosOperationOutcome2_1_0_Wrapper.cpp
)
