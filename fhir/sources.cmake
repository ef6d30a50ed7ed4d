list(APPEND TEVO_SOURCES
    ${TEVO_LIST_DIR}/Element.cpp
    ${TEVO_LIST_DIR}/Identity.cpp
    ${TEVO_LIST_DIR}/StructureDefinition.cpp
    ${TEVO_LIST_DIR}/XmlNesting.cpp
    ${TEVO_LIST_DIR}/XmlNode.cpp
    ${TEVO_LIST_DIR}/XmlReader.cpp
    ${TEVO_LIST_DIR}/XmlWriter.cpp
    ${TEVO_LIST_DIR}/primitives.cpp
)

# rapidxml's node allocation, once inlined into the writer, trips GCC's
# maybe-uninitialized analysis on members the parser never reads.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    set_source_files_properties(${TEVO_LIST_DIR}/XmlWriter.cpp PROPERTIES COMPILE_OPTIONS -Wno-maybe-uninitialized)
endif()
