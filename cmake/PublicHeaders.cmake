# SPDX-License-Identifier: MIT
# Each library's headers are reached through an include root of its own, holding one link named
# after the library's folder to that folder: "money/cents.h" keeps its spelling, yet a file sees
# only the headers of the libraries it links, so an include of a layer not linked fails to compile.
function(isr_public_headers target)
  get_filename_component(name ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${CMAKE_BINARY_DIR}/include/${name})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
  # A program's headers are its own.
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_include_directories(${target} PRIVATE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
