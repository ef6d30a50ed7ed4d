if(ENABLE_SANITIZERS AND TEVO_ENABLE_TSAN)
    message(FATAL_ERROR "ThreadSanitizer (TEVO_ENABLE_TSAN) cannot be combined with ENABLE_SANITIZERS; "
                        "use a build folder of its own for each")
endif()
if(ENABLE_SANITIZERS)
    set(TEVO_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${TEVO_SANITIZER_FLAGS})
    # The instrumentation makes GCC 12 report maybe-uninitialized inside
    # std::function and std::regex; the plain build keeps the warning.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        add_compile_options(-Wno-maybe-uninitialized)
    endif()
    add_link_options(${TEVO_SANITIZER_FLAGS})
endif()

if(TEVO_ENABLE_TSAN)
    set(TEVO_TSAN_FLAGS -fsanitize=thread -fno-omit-frame-pointer)
    add_compile_options(${TEVO_TSAN_FLAGS})
    add_link_options(${TEVO_TSAN_FLAGS})
endif()
