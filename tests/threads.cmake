# Every export called from 8 threads at once, each result compared with a
# serial call's (tests/threads/concurrentExports.cpp). CTest runs 250 calls
# per thread; by hand, in a ThreadSanitizer build (-DTEVO_ENABLE_TSAN=ON):
#   TEVO_THREAD_CALLS=2000 build-tsan/tests/tevofhir_threads
if(TARGET tevofhir_commands)
    find_package(Threads REQUIRED)
    add_executable(tevofhir_threads ${CMAKE_CURRENT_SOURCE_DIR}/threads/concurrentExports.cpp)
    target_link_libraries(tevofhir_threads PRIVATE tevofhir_commands Threads::Threads)
    target_include_directories(tevofhir_threads PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR})
    target_compile_definitions(tevofhir_threads PRIVATE TEVO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    tevo_set_warnings(tevofhir_threads)
    add_test(NAME threads_every_export_concurrently COMMAND tevofhir_threads)
    set_tests_properties(threads_every_export_concurrently PROPERTIES TIMEOUT 600)
endif()
