# zent_expose(target folder): lets the target and the targets linking it include the headers of
# src/<folder> as "<folder>/Name.h", and nothing else of src/. Each layer's library exposes only
# its own folder, so an #include that reaches up a layer finds no file and fails to build.
function(zent_expose target folder)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# zent_expose_headers(target folder header...): lets the target and the targets linking it
# include the named headers of src/<folder> as "<folder>/<header>", and nothing else of src/: a
# piece of a layer that code outside the layers (the tools) uses without the rest of it.
function(zent_expose_headers target folder)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header ${ARGN})
    if(NOT EXISTS ${root}/${folder}/${header})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder}/${header} ${root}/${folder}/${header} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
