# One place for the warning flags; every target links quintavo_warnings.
add_library(quintavo_warnings INTERFACE)
target_compile_options(quintavo_warnings INTERFACE -Wall -Wextra)
