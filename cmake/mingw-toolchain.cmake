# Cross compiling for Windows with MinGW-w64 (posix thread model).
# ORLENA_WINDOWS_ARCH selects the target: i686 (the shipped 32-bit DLLs) or
# x86_64 (the same sources, for running the Windows tests on a machine whose
# kernel cannot execute 32-bit programs, and so cannot run 32-bit Wine).
if(NOT ORLENA_WINDOWS_ARCH)
    set(ORLENA_WINDOWS_ARCH i686)
endif()
set(ORLENA_WINDOWS_ARCH ${ORLENA_WINDOWS_ARCH} CACHE STRING "i686 or x86_64")

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${ORLENA_WINDOWS_ARCH})
set(_triple ${ORLENA_WINDOWS_ARCH}-w64-mingw32)

set(CMAKE_C_COMPILER ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_triple}-windres)
set(CMAKE_OBJDUMP ${_triple}-objdump CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Windows test programs run under Wine in the build tree's own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/wine/wine-run.sh)
