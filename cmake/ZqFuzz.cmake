# The fuzz build: libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer
# (clang). Clang has no -fexec-charset=CP1252, so the fuzz build compiles CP1252
# copies of the sources instead: every file under src/ is transcoded into the
# build tree, and zq_cp1252 points a target at those copies. Clang keeps the
# bytes of a literal as they are, so the literals come out as CP1252.

if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "ZQ_FUZZ needs clang (libFuzzer)")
endif()

add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                    -fno-sanitize-recover=undefined)
add_link_options(-fsanitize=address,undefined)

find_program(ZQ_ICONV iconv REQUIRED)
set(ZQ_FONTES_CP1252 "${CMAKE_BINARY_DIR}/cp1252")

file(GLOB_RECURSE zq_fontes_utf8 RELATIVE "${PROJECT_SOURCE_DIR}"
     "${PROJECT_SOURCE_DIR}/src/*.cpp" "${PROJECT_SOURCE_DIR}/src/*.h")
# The Qt front ends are UTF-8 by design and not part of the fuzz build.
list(FILTER zq_fontes_utf8 EXCLUDE REGEX "^src/(main-window|xrazq|reports/desenho)/")
foreach(fonte IN LISTS zq_fontes_utf8)
  set(copia "${ZQ_FONTES_CP1252}/${fonte}")
  execute_process(COMMAND "${ZQ_ICONV}" -f UTF-8 -t CP1252 "${PROJECT_SOURCE_DIR}/${fonte}"
                  OUTPUT_VARIABLE texto RESULT_VARIABLE resultado)
  if(NOT resultado EQUAL 0)
    message(FATAL_ERROR "${fonte} cannot be written in CP1252")
  endif()
  # Rewritten only when changed, so an unchanged copy is not rebuilt.
  set(anterior "")
  if(EXISTS "${copia}")
    file(READ "${copia}" anterior)
  endif()
  if(NOT anterior STREQUAL texto)
    file(WRITE "${copia}" "${texto}")
  endif()
  set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               "${PROJECT_SOURCE_DIR}/${fonte}")
endforeach()

# A target of the libraries compiles the CP1252 copies of its sources under src/
# and finds the copies of the headers first.
function(zq_fontes_cp1252 target)
  get_target_property(fontes ${target} SOURCES)
  get_target_property(pasta ${target} SOURCE_DIR)
  set(copias "")
  foreach(fonte IN LISTS fontes)
    cmake_path(ABSOLUTE_PATH fonte BASE_DIRECTORY "${pasta}" NORMALIZE OUTPUT_VARIABLE absoluta)
    cmake_path(IS_PREFIX PROJECT_SOURCE_DIR "${absoluta}" NORMALIZE no_projeto)
    if(no_projeto)
      cmake_path(RELATIVE_PATH absoluta BASE_DIRECTORY "${PROJECT_SOURCE_DIR}" OUTPUT_VARIABLE relativa)
      if(EXISTS "${ZQ_FONTES_CP1252}/${relativa}")
        set(absoluta "${ZQ_FONTES_CP1252}/${relativa}")
      endif()
    endif()
    list(APPEND copias "${absoluta}")
  endforeach()
  set_property(TARGET ${target} PROPERTY SOURCES ${copias})
  target_include_directories(${target} BEFORE PUBLIC "${ZQ_FONTES_CP1252}/src")
  target_compile_options(${target} PRIVATE -Wno-invalid-source-encoding)
endfunction()
