list(APPEND TEVO_SOURCES
    ${TEVO_LIST_DIR}/EauAdapters.cpp
    ${TEVO_LIST_DIR}/EauKeys.cpp
    ${TEVO_LIST_DIR}/ERezeptAdapter.cpp
    ${TEVO_LIST_DIR}/ERezeptKeys.cpp
    ${TEVO_LIST_DIR}/FieldBinding.cpp
    ${TEVO_LIST_DIR}/FlatText.cpp
    ${TEVO_LIST_DIR}/LumoCheck.cpp
    ${TEVO_LIST_DIR}/LumoERezept.cpp
    ${TEVO_LIST_DIR}/LumoEau.cpp
    ${TEVO_LIST_DIR}/LumoZaeb.cpp
    ${TEVO_LIST_DIR}/OutputBuffer.cpp
    ${TEVO_LIST_DIR}/ResultDelivery.cpp
    ${TEVO_LIST_DIR}/ZaebAdapters.cpp
    ${TEVO_LIST_DIR}/ZaebKeys.cpp
    ${TEVO_LIST_DIR}/splitText.cpp
    ${TEVO_LIST_DIR}/VosKeys.cpp
)
