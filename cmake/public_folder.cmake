# channels_public_folder(TARGET): the users of TARGET include the headers of the current source
# folder by its name ("player/movie_window.h") and see no other folder of the tree. A link in
# the build tree gives them that prefix, so that the source root need not be on anyone's
# include path and a header of a folder one does not link is not found.
function(channels_public_folder target)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL INTERFACE_LIBRARY)
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
