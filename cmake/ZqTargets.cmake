# Shared CMake helpers of the project.

# Texts of the record model, the GIM records and the critique are CP1252 bytes:
# their UTF-8 sources are compiled to CP1252 literals.
# The fuzz build (clang) compiles CP1252 copies of the sources instead.
function(zq_cp1252 target)
  if(ZQ_FUZZ)
    zq_fontes_cp1252(${target})
  else()
    target_compile_options(${target} PRIVATE -fexec-charset=CP1252)
  endif()
endfunction()

# A subsystem library made of every source of its folder.
function(zq_subsystem_library target)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}/src")
endfunction()

# Windows builds: APIs of Windows 7 and later, no min/max macros, resources.
if(WIN32)
  add_compile_definitions(_WIN32_WINNT=0x0601 NOMINMAX)
  # MinGW's GCC 12 warns wrongly on "text" + std::string (GCC bug 105651).
  add_compile_options(-Wno-restrict)
  enable_language(RC)
endif()

# Embeds a Windows-style four-part file version into a binary: a version
# resource on Windows, elsewhere a text in the form the platform layer reads
# back from the file (see src/platform/VersaoArquivo.cpp).
function(zq_file_version target version)
  if(WIN32)
    zq_version_resource(${target} "${version}")
    return()
  endif()
  string(MAKE_C_IDENTIFIER "${target}" id)
  set(source "${CMAKE_CURRENT_BINARY_DIR}/${target}_versao_arquivo.cpp")
  file(CONFIGURE OUTPUT "${source}" CONTENT
"// Generated: file version of ${target}.
extern const char zqVersaoArquivo_${id}[];
const char zqVersaoArquivo_${id}[] = \"ZQ-FILEVERSION:${version}\";
")
  target_sources(${target} PRIVATE "${source}")
endfunction()

# The VERSIONINFO resource of a Windows binary (read by GetFileVersionInfo).
function(zq_version_resource target version)
  string(REPLACE "." "," numbers "${version}")
  get_target_property(kind ${target} TYPE)
  if(kind STREQUAL "SHARED_LIBRARY")
    set(file_type VFT_DLL)
    set(file_name "${target}.dll")
  else()
    set(file_type VFT_APP)
    set(file_name "${target}.exe")
  endif()
  set(source "${CMAKE_CURRENT_BINARY_DIR}/${target}_versao_arquivo.rc")
  file(CONFIGURE OUTPUT "${source}" CONTENT
"// Generated: file version of ${target}.
#include <winver.h>

VS_VERSION_INFO VERSIONINFO
FILEVERSION ${numbers}
PRODUCTVERSION ${numbers}
FILEFLAGSMASK VS_FFI_FILEFLAGSMASK
FILEFLAGS 0
FILEOS VOS_NT_WINDOWS32
FILETYPE ${file_type}
FILESUBTYPE VFT2_UNKNOWN
BEGIN
  BLOCK \"StringFileInfo\"
  BEGIN
    BLOCK \"041604E4\"
    BEGIN
      VALUE \"CompanyName\", \"XAR-ZQ\"
      VALUE \"FileDescription\", \"${target}\"
      VALUE \"FileVersion\", \"${version}\"
      VALUE \"InternalName\", \"${target}\"
      VALUE \"OriginalFilename\", \"${file_name}\"
      VALUE \"ProductName\", \"GIM-ZQ\"
      VALUE \"ProductVersion\", \"${version}\"
    END
  END
  BLOCK \"VarFileInfo\"
  BEGIN
    VALUE \"Translation\", 0x0416, 1252
  END
END
")
  target_sources(${target} PRIVATE "${source}")
endfunction()
