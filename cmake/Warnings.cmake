# Warnings every target of the project builds with, as one interface target.
add_library(velmora_warnings INTERFACE)
target_compile_options(velmora_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
                                                   -Wnon-virtual-dtor -Wold-style-cast)
if(VELMORA_WERROR)
    target_compile_options(velmora_warnings INTERFACE -Werror)
endif()
