# AddressSanitizer and UndefinedBehaviorSanitizer for every target; any report aborts the run.
if(VELMORA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
    # GCC's flow analysis under the sanitizers reports uninitialised reads inside its own
    # <regex> and <functional> headers that no code path makes.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        add_compile_options(-Wno-maybe-uninitialized)
    endif()
endif()
