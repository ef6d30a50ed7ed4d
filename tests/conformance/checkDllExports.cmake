# Runs as `cmake -P`: reads the export table of the DLL LIBRARY with OBJDUMP
# and fails unless it names exactly the Tevo.../Lumo... functions that the
# headers in HEADER_DIR declare, each undecorated (no leading underscore, no
# @-suffix of __stdcall).
include(${CMAKE_CURRENT_LIST_DIR}/declaredExports.cmake)

execute_process(COMMAND ${OBJDUMP} -p ${LIBRARY} OUTPUT_VARIABLE listing RESULT_VARIABLE listed)
if(NOT listed EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p failed on ${LIBRARY}")
endif()
string(FIND "${listing}" "[Ordinal/Name Pointer] Table" start)
if(start EQUAL -1)
    message(FATAL_ERROR "${LIBRARY} has no export name table")
endif()
string(SUBSTRING "${listing}" ${start} -1 table)
string(REPLACE "\n" ";" lines "${table}")
list(POP_FRONT lines)
set(exports)
foreach(line IN LISTS lines)
    if(NOT line MATCHES "^[ \t]*\\[ *[0-9]+\\] (.+)$")
        break()
    endif()
    list(APPEND exports ${CMAKE_MATCH_1})
endforeach()
tevo_compare_exports(${LIBRARY} exports)
