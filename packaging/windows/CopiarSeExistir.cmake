# cmake -D origem=FILE -D destino=FOLDER -P CopiarSeExistir.cmake
# Copies FILE into FOLDER when it exists; says so when it does not.
if(EXISTS "${origem}")
  file(COPY "${origem}" DESTINATION "${destino}")
else()
  message(STATUS "${origem} não existe: não copiado")
endif()
