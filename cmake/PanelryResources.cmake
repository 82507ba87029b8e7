# The resources folder is copied next to the binary (build/resources beside
# build/panelry), where the application looks for it at run time, as it
# looks in <bin>/../share/panelry/resources once installed. No path of the
# source tree goes into the binary.
#
# The copy runs only when a resource changed: it is a command whose output
# is a stamp file inside the copy and whose inputs are the globbed resource
# files, so a build with nothing new does not touch it (check with
# `ninja -C build -d explain`). The folders are inputs as well, since
# removing a file changes its folder, and the copy starts from an empty
# folder: a file removed from resources/ goes from the copy too.

set(PANELRY_RESOURCES_SOURCE_DIR "${PROJECT_SOURCE_DIR}/resources")
set(PANELRY_RESOURCES_BUILD_DIR "${PROJECT_BINARY_DIR}/resources")

file(GLOB_RECURSE PANELRY_RESOURCE_FILES CONFIGURE_DEPENDS LIST_DIRECTORIES true "${PANELRY_RESOURCES_SOURCE_DIR}/*")
list(APPEND PANELRY_RESOURCE_FILES "${PANELRY_RESOURCES_SOURCE_DIR}")
set(stamp "${PANELRY_RESOURCES_BUILD_DIR}/.copied")
add_custom_command(OUTPUT "${stamp}"
  COMMAND ${CMAKE_COMMAND} -E rm -rf "${PANELRY_RESOURCES_BUILD_DIR}"
  COMMAND ${CMAKE_COMMAND} -E copy_directory "${PANELRY_RESOURCES_SOURCE_DIR}" "${PANELRY_RESOURCES_BUILD_DIR}"
  COMMAND ${CMAKE_COMMAND} -E touch "${stamp}"
  DEPENDS ${PANELRY_RESOURCE_FILES}
  COMMENT "Copying resources")
add_custom_target(panelry_resources ALL DEPENDS "${stamp}")

# Programs built into another folder (tests, benchmarks) find the same copy
# through a link named resources beside them.
function(panelry_resources_beside directory)
  file(MAKE_DIRECTORY "${directory}")
  file(CREATE_LINK "${PANELRY_RESOURCES_BUILD_DIR}" "${directory}/resources" SYMBOLIC)
endfunction()
