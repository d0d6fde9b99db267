# The version and its date are compiled into the program scrambled, like the
# other identity texts, so that a plain look at the binary does not show them.
# They are written here from project(VERSION) and ZZ_FECHA_VERSION, so that
# each is typed in one place only.

# Byte i of the UTF-8 text XOR-ed with (0x5A + 7 * i) & 0xFF, as a C++
# initialiser list; util's identity texts undo it with the same key.
function(zz_enredar texto variable)
  string(HEX "${texto}" hex)
  string(LENGTH "${hex}" largo)
  math(EXPR ultimo "${largo} / 2 - 1")
  set(bytes "")
  foreach(i RANGE ${ultimo})
    math(EXPR posicion "${i} * 2")
    string(SUBSTRING "${hex}" ${posicion} 2 byte)
    math(EXPR enredado "0x${byte} ^ ((0x5A + 7 * ${i}) & 0xFF)" OUTPUT_FORMAT HEXADECIMAL)
    string(APPEND bytes "${enredado}, ")
  endforeach()
  set(${variable} "${bytes}" PARENT_SCOPE)
endfunction()

if(NOT ZZ_FECHA_VERSION MATCHES "^[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$")
  message(FATAL_ERROR "ZZ_FECHA_VERSION must be a date as YYYY-MM-DD, not \"${ZZ_FECHA_VERSION}\"")
endif()
zz_enredar("${PROJECT_VERSION}" ZZ_VERSION_ENREDADA)
zz_enredar("${ZZ_FECHA_VERSION}" ZZ_FECHA_VERSION_ENREDADA)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version_programa.h.in
               ${CMAKE_BINARY_DIR}/generado/version_programa.h @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generado)
