# SPDX-License-Identifier: MIT
# cmake -DNAME=probe -DCOMPILER=c++ -DINCLUDES="dir|dir" -DLINKED=a/x.h -DUNLINKED=b/y.h -P check_layer.cmake
# LINKED must compile with INCLUDES alone, and UNLINKED must fail for want of the file.
string(REPLACE "|" ";" includes "${INCLUDES}")
list(TRANSFORM includes PREPEND "-I")
function(compile header result_var output_var)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${NAME}.cpp "#include \"${header}\"\n")
  execute_process(COMMAND ${COMPILER} -std=c++20 -fsyntax-only ${includes} ${NAME}.cpp
                  RESULT_VARIABLE result ERROR_VARIABLE output OUTPUT_VARIABLE output)
  set(${result_var} ${result} PARENT_SCOPE)
  set(${output_var} "${output}" PARENT_SCOPE)
endfunction()

compile(${LINKED} result output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${LINKED} should compile:\n${output}")
endif()
compile(${UNLINKED} result output)
string(REPLACE "." "\\." unlinked_pattern "${UNLINKED}")
if(result EQUAL 0 OR NOT output MATCHES "${unlinked_pattern}(: No such file or directory|' file not found)")
  message(FATAL_ERROR "${UNLINKED} should not be found:\n${output}")
endif()
message(STATUS "${UNLINKED} refused as it should be:\n${output}")
