# Settings for the Windows deliverables and the Windows test programs.

# Every DLL and program may import only Windows system DLLs and our own DLLs:
# the C++ runtime, libgcc and winpthread are linked in statically.
add_link_options(-static -static-libgcc -static-libstdc++)

# Small release builds: drop unused functions and data, strip symbols.
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections $<$<CONFIG:MinSizeRel,Release>:-s>)

add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

# The deliverables go into one folder; test programs into another.
set(ORLENA_DELIVERABLES_DIR ${CMAKE_BINARY_DIR}/bin)
set(ORLENA_TEST_PROGRAMS_DIR ${CMAKE_BINARY_DIR}/tests/bin)

# The stdcall decoration of a function taking 8 bytes of arguments, as the
# linker names it: Search@8 on i686; x86_64 has one calling convention and
# no decoration.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(ORLENA_STDCALL_8 "@8")
else()
    set(ORLENA_STDCALL_8 "")
endif()

# orlena_add_dll(NAME DEF_TEMPLATE SOURCES... [LIBS ...])
# A deliverable DLL whose exports are listed in a .def template; the
# template may write @ORLENA_STDCALL_8@ after a stdcall name.
function(orlena_add_dll name def_template)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    set(def_file ${CMAKE_CURRENT_BINARY_DIR}/${name}.def)
    configure_file(${def_template} ${def_file} @ONLY)
    add_library(${name} SHARED ${ARG_SOURCES} ${def_file})
    set_target_properties(${name} PROPERTIES
        PREFIX ""
        RUNTIME_OUTPUT_DIRECTORY ${ORLENA_DELIVERABLES_DIR}
        LIBRARY_OUTPUT_DIRECTORY ${ORLENA_DELIVERABLES_DIR})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
endfunction()
