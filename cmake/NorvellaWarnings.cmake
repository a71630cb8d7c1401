# Warnings for every target of the project (not for GoogleTest, which is added as a subproject).
add_library(norvella_warnings INTERFACE)
target_compile_options(norvella_warnings INTERFACE -Wall -Wextra -Wshadow -Wnon-virtual-dtor
                                                   -Woverloaded-virtual -Wpedantic)
