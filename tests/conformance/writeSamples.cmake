# Included by the `cmake -P` check scripts: runs WRITER to write the sample
# documents of a use case into a fresh OUTPUT_DIR and sets `documents` (the
# written XML files, sorted) and `count`.
file(REMOVE_RECURSE ${OUTPUT_DIR})
file(MAKE_DIRECTORY ${OUTPUT_DIR})
execute_process(COMMAND ${WRITER} ${OUTPUT_DIR} RESULT_VARIABLE written)
if(NOT written EQUAL 0)
    message(FATAL_ERROR "writing the sample documents failed (${written})")
endif()

file(GLOB documents ${OUTPUT_DIR}/*.xml)
list(SORT documents)
list(LENGTH documents count)
if(count EQUAL 0)
    message(FATAL_ERROR "no documents were written to ${OUTPUT_DIR}")
endif()
