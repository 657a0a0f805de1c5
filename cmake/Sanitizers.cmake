# Compiler flags for the two checked builds. Included by the top-level
# CMakeLists.txt before any target is defined, so every target gets them.
#
# MOBWRIGHT_SANITIZE: everything, window and tests included, runs under
# AddressSanitizer and UndefinedBehaviorSanitizer; undefined behaviour stops
# the program instead of printing a warning that a passing test would hide.
# MOBWRIGHT_FUZZ: the same sanitizers plus libFuzzer's coverage hooks, which
# only clang provides; the fuzz targets link libFuzzer's main themselves.

if(MOBWRIGHT_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "MOBWRIGHT_FUZZ needs clang (libFuzzer): configure with "
                        "-DCMAKE_CXX_COMPILER=clang++, not ${CMAKE_CXX_COMPILER_ID}.")
endif()

if(MOBWRIGHT_SANITIZE OR MOBWRIGHT_FUZZ)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(MOBWRIGHT_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
