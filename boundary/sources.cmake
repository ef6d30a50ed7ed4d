list(APPEND TEVO_SOURCES
    ${TEVO_LIST_DIR}/FieldConversion.cpp
    ${TEVO_LIST_DIR}/ProfileVersion.cpp
    ${TEVO_LIST_DIR}/Wrapper.cpp
    ${TEVO_LIST_DIR}/clock.cpp
    ${TEVO_LIST_DIR}/quillkit.cpp
)
