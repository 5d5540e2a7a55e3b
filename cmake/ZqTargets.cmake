# Shared CMake helpers of the project.

# Texts of the record model, the GIM records and the critique are CP1252 bytes:
# their UTF-8 sources are compiled to CP1252 literals.
function(zq_cp1252 target)
  target_compile_options(${target} PRIVATE -fexec-charset=CP1252)
endfunction()

# A subsystem library made of every source of its folder.
function(zq_subsystem_library target)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}/src")
endfunction()

# Embeds a Windows-style four-part file version into a binary, in the form the
# platform layer reads back from the file (see src/platform/VersaoArquivo.cpp).
function(zq_file_version target version)
  string(MAKE_C_IDENTIFIER "${target}" id)
  set(source "${CMAKE_CURRENT_BINARY_DIR}/${target}_versao_arquivo.cpp")
  file(CONFIGURE OUTPUT "${source}" CONTENT
"// Generated: file version of ${target}.
extern const char zqVersaoArquivo_${id}[];
const char zqVersaoArquivo_${id}[] = \"ZQ-FILEVERSION:${version}\";
")
  target_sources(${target} PRIVATE "${source}")
endfunction()
