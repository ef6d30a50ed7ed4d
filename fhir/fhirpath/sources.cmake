list(APPEND TEVO_SOURCES
    ${TEVO_LIST_DIR}/Compare.cpp
    ${TEVO_LIST_DIR}/Environment.cpp
    ${TEVO_LIST_DIR}/Evaluator.cpp
    ${TEVO_LIST_DIR}/NodeDocument.cpp
    ${TEVO_LIST_DIR}/NodeWriter.cpp
    ${TEVO_LIST_DIR}/Parser.cpp
    ${TEVO_LIST_DIR}/ProfileCheck.cpp
    ${TEVO_LIST_DIR}/Temporal.cpp
    ${TEVO_LIST_DIR}/Types.cpp
)
