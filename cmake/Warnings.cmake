# Warnings every target of the project builds with, as one interface target; kept at zero.
add_library(velmora_warnings INTERFACE)
target_compile_options(velmora_warnings INTERFACE
    -Wall -Wextra           # the common mistakes
    -Wpedantic              # code that only one compiler's extensions accept
    -Wshadow                # a name that hides another, a classic source of wrong variables
    -Wnon-virtual-dtor      # interfaces deleted through a base pointer
    -Wold-style-cast        # casts that say what they do, and can be found
    -Wconversion            # narrowing of values: 16-bit counts and 32-bit masks are everywhere
    -Wsign-conversion       # signed indexes meeting unsigned sizes
)
if(VELMORA_WERROR)
    target_compile_options(velmora_warnings INTERFACE -Werror)
endif()
