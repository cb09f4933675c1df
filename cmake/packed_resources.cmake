# channels_packed_resources(TARGET SCRIPT): an object library holding the resources of the
# resource script SCRIPT, packed by tools/rcpack into the table through which our Win32 subset
# finds a program's resources (win32/module_resources.h). A program that links it has them as
# its module's resources, as windres's output gives them to a Windows program. It must stay an
# object library: nothing refers to the table by a strong reference, so an archive member
# holding it would be left out.
function(channels_packed_resources target script)
  get_filename_component(script ${script} ABSOLUTE)
  get_filename_component(name ${script} NAME)
  set(packed ${CMAKE_CURRENT_BINARY_DIR}/${target}.cpp)
  add_custom_command(
    OUTPUT ${packed}
    COMMAND rcpack ${script} ${packed} ${packed}.d
    DEPENDS rcpack ${script}
    DEPFILE ${packed}.d
    COMMENT "Packing the resources of ${name}"
    VERBATIM)
  add_library(${target} OBJECT ${packed})
  target_link_libraries(${target} PRIVATE win32 channels_warnings)
endfunction()
