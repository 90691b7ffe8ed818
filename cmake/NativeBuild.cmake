# The platform-independent code built for Linux: unit tests, sanitizers,
# fuzzers and benchmarks.
option(ORLENA_SANITIZE "Build with AddressSanitizer and UBSan" OFF)
option(ORLENA_BENCHMARKS "Build the benchmarks" OFF)

if(ORLENA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    set(ORLENA_FUZZERS ON)
else()
    set(ORLENA_FUZZERS OFF)
endif()
