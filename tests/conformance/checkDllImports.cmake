# Runs as `cmake -P`: reads the DLLs that LIBRARY imports with OBJDUMP and
# fails unless they are exactly EXPECTED (case ignored). The compiler's own
# run-time DLLs (libstdc++-6, libgcc_s_*, libwinpthread-1) are linked in
# statically, so only DLLs of Windows itself may appear.
execute_process(COMMAND ${OBJDUMP} -p ${LIBRARY} OUTPUT_VARIABLE listing RESULT_VARIABLE listed)
if(NOT listed EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" entries "${listing}")
set(imports)
foreach(entry IN LISTS entries)
    string(REGEX REPLACE "^DLL Name: " "" name "${entry}")
    string(TOLOWER "${name}" name)
    list(APPEND imports ${name})
endforeach()
list(REMOVE_DUPLICATES imports)
list(SORT imports)
string(TOLOWER "${EXPECTED}" expected)
list(SORT expected)
message("${LIBRARY} imports: ${imports}")
if(NOT imports STREQUAL expected)
    message(FATAL_ERROR "expected the imports ${expected}")
endif()
